<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDlg</name>
    <message>
        <location filename="../../widgets/aboutdlg.ui" line="+7"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New version found, click to download.</source>
        <translation>Hay una nueva versión disponible. Haga clic para descargarla.</translation>
    </message>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="+18"/>
        <source>Nocturnix V</source>
        <translation>Nocturnix V</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>No se pudo abrir «%1».</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message>
        <location filename="../../app/appshell.cpp" line="+110"/>
        <location line="+1"/>
        <source>Nocturnix</source>
        <translation>Nocturnix</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>is already running...</source>
        <translation>ya se está ejecutando...</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Vuelva a iniciar el programa con privilegios de administrador</translation>
    </message>
</context>
<context>
    <name>BackupWidget</name>
    <message>
        <location filename="../../cloud/ui/backupwidget.ui" line="+19"/>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatic backup</source>
        <translation>Copia automática</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Terms of Use</source>
        <translation>Condiciones de uso</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/backupwidget.cpp" line="+63"/>
        <location line="+15"/>
        <source>Preparing for synchronization</source>
        <translation>Preparando la sincronización</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Records: %1</source>
        <translation>Registros: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Devices: %1</source>
        <translation>Dispositivos: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Uploading... %1</source>
        <translation>Subiendo... %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading... %1</source>
        <translation>Descargando... %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Synchronization is complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Synchronization failed</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>No se pudo abrir «%1».</translation>
    </message>
</context>
<context>
    <name>CloudDialog</name>
    <message>
        <location filename="../../cloud/ui/clouddialog.ui" line="+9"/>
        <location filename="../../cloud/ui/clouddialog.cpp" line="+18"/>
        <source>Online Backup</source>
        <translation>Copia en línea</translation>
    </message>
</context>
<context>
    <name>CommController</name>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="+287"/>
        <source>%1 could not be read; it is kept and read again at the next start.</source>
        <translation>No se pudo leer %1; se conserva y se volverá a leer en el próximo inicio.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 was not stored (%2); it is fetched again with the next download.</source>
        <translation>%1 no se guardó (%2); se volverá a obtener en la próxima descarga.</translation>
    </message>
</context>
<context>
    <name>Contact</name>
    <message>
        <location filename="../../widgets/contact.ui" line="+7"/>
        <source>Contact Us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you have any problems with our products, please contact us through the following email, and we will reply to you as soon as possible.</source>
        <translation>Si tiene algún problema con nuestros productos, póngase en contacto con nosotros a través del siguiente correo electrónico y le responderemos lo antes posible.</translation>
    </message>
    <message>
        <location filename="../../widgets/contact.cpp" line="+18"/>
        <source>Email: &lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Correo electrónico: &lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DeviceSettingDlg</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.ui" line="+6"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="+49"/>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Reminder</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reminder Switch</source>
        <translation>Activar aviso</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+87"/>
        <location line="+27"/>
        <location line="+67"/>
        <location line="+27"/>
        <location line="+70"/>
        <location line="+63"/>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="-334"/>
        <location line="+87"/>
        <location line="+27"/>
        <location line="+67"/>
        <location line="+27"/>
        <location line="+70"/>
        <location line="+63"/>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="-328"/>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Intensity</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Very weak</source>
        <translation>Muy débil</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Weak</source>
        <translation>Débil</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+421"/>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <location line="-416"/>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Very strong</source>
        <translation>Muy fuerte</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SpO2</source>
        <translation>SpO2</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+94"/>
        <source>Vibration Switch</source>
        <translation>Activar vibración</translation>
    </message>
    <message>
        <location line="-67"/>
        <location line="+94"/>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Threshold</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pulse Rate</source>
        <translation>Frecuencia de pulso</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Upper Threshold</source>
        <translation>Umbral superior</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lower Threshold</source>
        <translation>Umbral inferior</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No Value Reminder</source>
        <translation>Aviso sin lectura</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No Value Reminder Switch</source>
        <translation>Activar aviso sin lectura</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Reminder Delay Time</source>
        <translation>Retardo del aviso</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Set how long the invalid value lasts before the Base Station starts to alarm.</source>
        <translation>Establezca cuánto tiempo debe durar un valor no válido antes de que la estación base active la alarma.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Moving Reminder</source>
        <translation>Aviso de movimiento</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Moving Reminder Switch</source>
        <translation>Activar aviso de movimiento</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="+567"/>
        <source>Factory Reset</source>
        <translation>Restablecer valores de fábrica</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Screen Mode</source>
        <translation>Modo de pantalla</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Always On</source>
        <translation>Siempre encendida</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-17"/>
        <source>Synchronize the clock</source>
        <translation>Sincronizar el reloj</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s</source>
        <translation>Sincronizar el reloj del dispositivo con el del equipo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Screen Brightness</source>
        <translation>Brillo de pantalla</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-268"/>
        <location line="+4"/>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Storage Interval</source>
        <translation>Intervalo de guardado</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-143"/>
        <source>t_calc_avg_time_hint</source>
        <translation>Frecuencia con la que el dispositivo guarda una lectura: un intervalo más corto conserva más detalle; uno más largo permite guardar más noches en el dispositivo.</translation>
    </message>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-138"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>SN:</source>
        <translation>N.º de serie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version: V</source>
        <translation>Versión de software: V</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Press the key briefly to wake up the screen in standard mode when the device is at rest</source>
        <translation>En modo estándar, pulse brevemente el botón para activar la pantalla cuando el dispositivo esté en reposo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can wake up screen by touching the key on the device top when it&apos;s off.</source>
        <translation>Cuando la pantalla esté apagada, puede activarla tocando el botón de la parte superior del dispositivo.</translation>
    </message>
    <message>
        <location line="+108"/>
        <location line="+4"/>
        <source>Volume Switch</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <location line="+197"/>
        <location line="+20"/>
        <location line="+15"/>
        <location line="+9"/>
        <location line="+49"/>
        <source>warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+20"/>
        <source>Save failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save successed.</source>
        <translation>Se guardó correctamente.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+9"/>
        <source>busy</source>
        <translation>El dispositivo está ocupado.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s?</source>
        <translation>¿Desea sincronizar el reloj del dispositivo con el del equipo?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize the clock successed.</source>
        <translation>El reloj se sincronizó correctamente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Synchronize the clock failed.</source>
        <translation>No se pudo sincronizar el reloj.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It will RESTORE default settings and ERASE all the data on your device.</source>
        <translation>Se RESTABLECERÁ la configuración predeterminada y se BORRARÁN todos los datos del dispositivo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <source>Factory Reset failed.</source>
        <translation>No se pudieron restablecer los valores de fábrica.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Factory Reset successed.</source>
        <translation>Los valores de fábrica se restablecieron correctamente.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>info</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The reminder is only for notification purpose, never use it for any medical condition</source>
        <translation>Un nivel bajo de oxígeno en sangre puede perjudicar su salud. El aviso solo tiene fines informativos; no lo utilice nunca con fines médicos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The vibration is only for notification purpose, never use it for any medical condition</source>
        <translation>Un nivel bajo de oxígeno en sangre puede perjudicar su salud. La vibración solo tiene fines informativos; no la utilice nunca con fines médicos</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>This mode will consume power much more quickly.</source>
        <translation>Este modo consume la batería mucho más rápido.</translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <location filename="../../patient/editdialog.ui" line="+14"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>Femenino</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>Unidades:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Physician:</source>
        <translation>Médico:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <location filename="../../patient/editdialog.cpp" line="+50"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+96"/>
        <location line="+12"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The patient details could not be saved.</source>
        <translation>No se pudieron guardar los datos del paciente.</translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+128"/>
        <source>Please enter the correct birthday</source>
        <translation>Introduzca una fecha de nacimiento correcta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>Introduzca un peso correcto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>Introduzca una altura correcta</translation>
    </message>
</context>
<context>
    <name>LoginWidget</name>
    <message>
        <location filename="../../cloud/ui/loginwidget.ui" line="+26"/>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Forgot your password?</source>
        <translation>¿Ha olvidado su contraseña?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>- Online Backup function is available for both Quillet app and Nocturnix client.</source>
        <translation>- La función Copia en línea está disponible tanto en la aplicación Quillet como en el programa Nocturnix.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- Using Online Backup function can back up your mobile phone or computer&apos;s local measurement data to our cloud server to better ensure the security of your data.</source>
        <translation>- Con la función Copia en línea puede hacer una copia de seguridad de los datos de medición guardados en su teléfono móvil o en su equipo en nuestro servidor en la nube, para proteger mejor sus datos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- To use this function, please register and purchase services through Quillet app first.</source>
        <translation>- Para usar esta función, primero regístrese y contrate el servicio en la aplicación Quillet.</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/loginwidget.cpp" line="+50"/>
        <location line="+95"/>
        <source>Login failed.</source>
        <translation>Error al iniciar sesión.</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Wrong account or password</source>
        <translation>Cuenta o contraseña incorrectas</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+40"/>
        <location line="+22"/>
        <location line="+20"/>
        <source>error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+40"/>
        <source>Please enter your email address</source>
        <translation>Introduzca su dirección de correo electrónico</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+49"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Successful</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please check your email</source>
        <translation>Revise su correo electrónico</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server did not send the link.</source>
        <translation>El servidor no envió el enlace.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The server did not answer in time. Please try again later.</source>
        <translation>El servidor no respondió a tiempo. Inténtelo de nuevo más tarde.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../app/mainwindow.ui" line="+9"/>
        <location filename="../../app/mainwindow.cpp" line="+117"/>
        <source>Nocturnix</source>
        <translation>Nocturnix</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../app/mainwindow.cpp" line="+15"/>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Online Backup</source>
        <translation>Copia en línea</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Contact Us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>tip_text</source>
        <translation>Conecte el dispositivo a este equipo con su cable USB.</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Export as CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="+2"/>
        <location line="+88"/>
        <source>No Device connected now. To Download and Configure, you need to connect to the device first.</source>
        <translation>No hay ningún dispositivo conectado. Para descargar y configurar, conecte primero el dispositivo.</translation>
    </message>
    <message>
        <location line="-51"/>
        <location line="+50"/>
        <source>No device connected</source>
        <translation>Ningún dispositivo conectado</translation>
    </message>
    <message>
        <location line="-7"/>
        <source> is connected</source>
        <translation> está conectado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To connect to your device using Quillet app on your phone, click the disconnect button!</source>
        <translation>Para conectar el dispositivo a la aplicación Quillet de su teléfono, haga clic en el botón de desconexión.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recorder found, but access is denied: install the udev rule %1 and plug it in again</source>
        <translation>Se encontró el dispositivo, pero se denegó el acceso: instale la regla udev %1 y vuelva a conectarlo</translation>
    </message>
    <message>
        <location line="+89"/>
        <location filename="../../protocol/commcontroller.cpp" line="-249"/>
        <source>Can not connect to device.</source>
        <translation>No se puede conectar con el dispositivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not read device setting.</source>
        <translation>No se puede leer la configuración del dispositivo.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The file is corrupt.</source>
        <translation>El archivo está dañado.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Remove completed</source>
        <translation>Eliminación completada</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>No recordings yet.
Connect a recorder and press Download to bring its nights in.</source>
        <translation>Aún no hay registros.
Conecte un dispositivo y pulse Descargar para importar sus noches.</translation>
    </message>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="-1"/>
        <source>All file downloaded.</source>
        <translation>Se han descargado todos los archivos.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not get device information.</source>
        <translation>No se puede obtener la información del dispositivo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create file failed.</source>
        <translation>No se pudo crear el archivo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can not get file information.</source>
        <translation>No se puede obtener la información del archivo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data.</source>
        <translation>No hay datos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download failed.</source>
        <translation>Error en la descarga.</translation>
    </message>
    <message>
        <location filename="../../report/reportoutput.cpp" line="+38"/>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>print completed</source>
        <translation>Impresión completada</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>pdf File(*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+22"/>
        <source>create file failed</source>
        <translation>No se pudo crear el archivo</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save as PDF failed</source>
        <translation>No se pudo guardar como PDF</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>save pdf completed</source>
        <translation>PDF guardado</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>csv File(*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>save csv completed</source>
        <translation>CSV exportado</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../../app/messagebox.cpp" line="+55"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>MyTreeView</name>
    <message>
        <location filename="../../app/mytreeview.cpp" line="+71"/>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+30"/>
        <source>Mark</source>
        <translation>Anotación</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Remove items</source>
        <translation>Eliminar elementos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure to remove selected items ?</source>
        <translation>¿Seguro que desea eliminar los elementos seleccionados?</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Mark:</source>
        <translation>Anotación:</translation>
    </message>
</context>
<context>
    <name>MyTreeViewModel</name>
    <message>
        <location filename="../../app/mytreeviewmodel.cpp" line="+68"/>
        <source>MMM-yyyy</source>
        <translation>MMM-yyyy</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>hh:mm-dd-MMM</source>
        <translation>hh:mm-dd-MMM</translation>
    </message>
</context>
<context>
    <name>PatientInfo</name>
    <message>
        <location filename="../../patient/patientinfo.cpp" line="+74"/>
        <source>Male</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Femenino</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <location filename="../../storage/recordingstore.cpp" line="+235"/>
        <source>stored</source>
        <translation>guardado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the stored night&apos;s missing file was put back</source>
        <translation>se restauró el archivo que faltaba de la noche guardada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>already stored</source>
        <translation>ya estaba guardado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>deleted before, it stays deleted</source>
        <translation>se eliminó anteriormente y sigue eliminado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the serial number cannot name a directory</source>
        <translation>el número de serie no sirve como nombre de carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file name is not a start time (yyyyMMddhhmmss)</source>
        <translation>el nombre del archivo no es una hora de inicio (yyyyMMddhhmmss)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the branch code is empty or not the stored recorder&apos;s</source>
        <translation>el código de modelo está vacío o no coincide con el del dispositivo guardado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a readable recording</source>
        <translation>no es un registro legible</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be written into the data directory</source>
        <translation>no se puede escribir el archivo en la carpeta de datos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the database did not take the record</source>
        <translation>la base de datos no aceptó el registro</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../report/chartpainter.cpp" line="+166"/>
        <source>Oxygen Level(%)</source>
        <comment>venrik</comment>
        <translation>Nivel de oxígeno (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2(%)</source>
        <translation>SpO2 (%)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Pulse Rate(/min)</source>
        <translation>Frecuencia de pulso (/min)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Ratio(%)</source>
        <translation>Proporción (%)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Oxygen Level%</source>
        <comment>venrik</comment>
        <translation>Nivel de oxígeno (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2%</source>
        <translation>SpO2 (%)</translation>
    </message>
    <message>
        <location filename="../../report/reporthelper.cpp" line="+156"/>
        <source>Oxygen Level Report</source>
        <translation>Informe de oxígeno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Report</source>
        <translation>Informe de sueño</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../report/textblockpainter.cpp" line="+68"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measurement Date:</source>
        <translation>Fecha de medición:</translation>
    </message>
    <message>
        <location filename="../../report/reporttexts.cpp" line="+16"/>
        <source>%1h%2m%3s</source>
        <translation>%1h%2m%3s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1m%2s</source>
        <translation>%1m%2s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1s</source>
        <translation>%1s</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Drops over 3%:</source>
        <translation>Caídas &gt;3%:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drops over 4%:</source>
        <translation>Caídas &gt;4%:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 times</source>
        <translation>%1 veces</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Drops per hour:</source>
        <translation>Caídas por hora:</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Time&lt;1h</source>
        <translation>Duración &lt;1h</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Time:</source>
        <translation>Hora de inicio:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>End Time:</source>
        <translation>Hora de fin:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Duration:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;90% time:</source>
        <translation>Tiempo &lt;90%:</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>O2 Score:</source>
        <translation>Puntuación O2:</translation>
    </message>
    <message>
        <location filename="../../report/textblockpainter.cpp" line="+1"/>
        <source>ID#:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Fecha de nac.:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BMI:</source>
        <translation>IMC:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Physician:</source>
        <translation>Médico:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Highest</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxygen Level:</source>
        <comment>venrik</comment>
        <translation>Oxígeno:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2:</source>
        <translation>SpO2:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pulse Rate:</source>
        <translation>Frecuencia de pulso:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Oxygen level</source>
        <translation>Nivel de O2</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>%Total</source>
        <translation>% total</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>95%-100%</source>
        <translation>95%-100%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>90%-94%</source>
        <translation>90%-94%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;90%</source>
        <translation>&lt;90%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pulse Rate</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;120 /min</source>
        <translation>&gt;120 /min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>50-120 /min</source>
        <translation>50-120 /min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;50 /min</source>
        <translation>&lt;50 /min</translation>
    </message>
</context>
<context>
    <name>SetDataDirDlg</name>
    <message>
        <location filename="../../app/dialogs/setdatadirdlg.ui" line="+14"/>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Select directory to save data:</source>
        <translation>Seleccione la carpeta donde guardar los datos:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="+24"/>
        <source>Browser</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/datadiraccess.cpp" line="+73"/>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges or reselect the directory</source>
        <translation>Vuelva a iniciar el programa con privilegios de administrador o seleccione otra carpeta</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="-9"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../app/dialogs/settingdlg.ui" line="+14"/>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Default patient</source>
        <translation>Paciente predeterminado</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>Femenino</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>Unidades:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Physician:</source>
        <translation>Médico:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SpO2 range:</source>
        <translation>Rango de SpO2:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>0-100</source>
        <translation>0-100</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>35-100</source>
        <translation>35-100</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>50-100</source>
        <translation>50-100</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>70-100</source>
        <translation>70-100</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pulse rate range:</source>
        <translation>Rango de pulso:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>25-150</source>
        <translation>25-150</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>25-250</source>
        <translation>25-250</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Data location</source>
        <translation>Ubicación de los datos</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Browser</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/settingdlg.cpp" line="+47"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Save in</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+28"/>
        <location line="+21"/>
        <location line="+9"/>
        <location line="+56"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>The language setting is successful, please restart the software to take effect</source>
        <translation>El idioma se ha cambiado. Reinicie el programa para aplicar el cambio</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Can not select subdirectory.</source>
        <translation>No se puede seleccionar una subcarpeta de la carpeta de datos actual.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The selected directory already holds a database. Please select another directory.</source>
        <translation>La carpeta seleccionada ya contiene una base de datos. Seleccione otra carpeta.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The database could not be opened in %1.</source>
        <translation>No se pudo abrir la base de datos en %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n file(s) could not be moved and stayed in %1.</source>
        <translation>
            <numerusform>No se pudo mover %n archivo, que permanece en %1.</numerusform>
            <numerusform>No se pudieron mover %n archivos, que permanecen en %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+1"/>
        <source>Please enter the correct birthday</source>
        <translation>Introduzca una fecha de nacimiento correcta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>Introduzca un peso correcto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>Introduzca una altura correcta</translation>
    </message>
</context>
<context>
    <name>SyncHelper</name>
    <message>
        <location filename="../../cloud/cloudaccount.cpp" line="+17"/>
        <source>Unknown err</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudwire.cpp" line="+91"/>
        <source>Host not found</source>
        <translation>No se encontró el servidor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1.%2.%3</source>
        <translation>%1.%2.%3</translation>
    </message>
</context>
<context>
    <name>TrendWidget</name>
    <message>
        <location filename="../../trend/trendwidget.ui" line="+14"/>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>O2 Score</source>
        <translation>Puntuación O2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drops over 4%</source>
        <translation>Caídas &gt;4%</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lowest SpO2</source>
        <translation>Mín. SpO2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.SpO2</source>
        <translation>Prom. SpO2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.PR</source>
        <translation>Prom. PR</translation>
    </message>
    <message>
        <location filename="../../trend/trendwidget.cpp" line="+90"/>
        <source>Avg.O2</source>
        <translation>Prom. O2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg.PR</source>
        <comment>venrik</comment>
        <translation>Prom. PR</translation>
    </message>
</context>
<context>
    <name>UnitEntry</name>
    <message>
        <location filename="../../patient/unitentry.cpp" line="-58"/>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
</context>
<context>
    <name>bebrins2</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-336"/>
        <source>Oxgen Reminder</source>
        <translation>Aviso de oxígeno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Reminder Switch</source>
        <translation>Activar aviso de oxígeno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Threshold</source>
        <translation>Umbral de oxígeno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder</source>
        <translation>Aviso de PR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder Switch</source>
        <translation>Activar aviso de PR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low PR Threshold</source>
        <translation>Umbral inferior de PR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High PR Threshold</source>
        <translation>Umbral superior de PR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>30 s</source>
        <translation>30 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 min</source>
        <translation>2 min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4 min</source>
        <translation>4 min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
</context>
<context>
    <name>remarksInputDialog</name>
    <message>
        <location filename="../../patient/remarksinputdialog.ui" line="+14"/>
        <source>Mark</source>
        <translation>Anotación</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mark:</source>
        <translation>Anotación:</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>venrik</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-59"/>
        <source>Oxgen Reminder</source>
        <translation>Aviso de oxígeno</translation>
    </message>
</context>
<context>
    <name>volome</name>
    <message>
        <location line="-11"/>
        <source>Lowest</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>Medio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highest</source>
        <translation>Máximo</translation>
    </message>
</context>
</TS>
