<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDlg</name>
    <message>
        <location filename="../../widgets/aboutdlg.ui" line="+7"/>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New version found, click to download.</source>
        <translation>È disponibile una nuova versione: fare clic per scaricarla.</translation>
    </message>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="+18"/>
        <source>Nocturnix V</source>
        <translation>Nocturnix V</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>Impossibile aprire &quot;%1&quot;.</translation>
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
        <translation>è già in esecuzione...</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Permission denied</source>
        <translation>Accesso negato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Riavviare il programma con privilegi di amministratore</translation>
    </message>
</context>
<context>
    <name>BackupWidget</name>
    <message>
        <location filename="../../cloud/ui/backupwidget.ui" line="+19"/>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sign out</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatic backup</source>
        <translation>Backup automatico</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Terms of Use</source>
        <translation>Condizioni d&apos;uso</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Privacy Policy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/backupwidget.cpp" line="+63"/>
        <location line="+15"/>
        <source>Preparing for synchronization</source>
        <translation>Preparazione della sincronizzazione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Records: %1</source>
        <translation>Registrazioni: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Devices: %1</source>
        <translation>Dispositivi: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Uploading... %1</source>
        <translation>Caricamento... %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading... %1</source>
        <translation>Scaricamento... %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Synchronization is complete</source>
        <translation>Sincronizzazione completata</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Synchronization failed</source>
        <translation>Sincronizzazione non riuscita</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>Impossibile aprire &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CloudDialog</name>
    <message>
        <location filename="../../cloud/ui/clouddialog.ui" line="+9"/>
        <location filename="../../cloud/ui/clouddialog.cpp" line="+18"/>
        <source>Online Backup</source>
        <translation>Backup online</translation>
    </message>
</context>
<context>
    <name>CommController</name>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="+287"/>
        <source>%1 could not be read; it is kept and read again at the next start.</source>
        <translation>Impossibile leggere %1; il file viene conservato e verrà riletto al prossimo avvio.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 was not stored (%2); it is fetched again with the next download.</source>
        <translation>%1 non è stato salvato (%2); verrà scaricato di nuovo al prossimo download.</translation>
    </message>
</context>
<context>
    <name>Contact</name>
    <message>
        <location filename="../../widgets/contact.ui" line="+7"/>
        <source>Contact Us</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you have any problems with our products, please contact us through the following email, and we will reply to you as soon as possible.</source>
        <translation>In caso di problemi con i nostri prodotti, ci contatti all&apos;indirizzo e-mail seguente: Le risponderemo il prima possibile.</translation>
    </message>
    <message>
        <location filename="../../widgets/contact.cpp" line="+18"/>
        <source>Email: &lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>E-mail: &lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DeviceSettingDlg</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.ui" line="+6"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="+49"/>
        <source>Configure</source>
        <translation>Configura</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Reminder</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reminder Switch</source>
        <translation>Attivazione avviso</translation>
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
        <translation>On</translation>
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
        <translation>Off</translation>
    </message>
    <message>
        <location line="-328"/>
        <source>Vibration</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Intensity</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Very weak</source>
        <translation>Molto debole</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Weak</source>
        <translation>Debole</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+421"/>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <location line="-416"/>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Very strong</source>
        <translation>Molto forte</translation>
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
        <translation>Attivazione vibrazione</translation>
    </message>
    <message>
        <location line="-67"/>
        <location line="+94"/>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Threshold</source>
        <translation>Soglia</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pulse Rate</source>
        <translation>Frequenza del polso</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Upper Threshold</source>
        <translation>Soglia superiore</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lower Threshold</source>
        <translation>Soglia inferiore</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No Value Reminder</source>
        <translation>Avviso assenza valori</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No Value Reminder Switch</source>
        <translation>Attivazione avviso</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Reminder Delay Time</source>
        <translation>Ritardo avviso</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Set how long the invalid value lasts before the Base Station starts to alarm.</source>
        <translation>Imposta per quanto tempo deve persistere un valore non valido prima che la stazione base inizi a segnalarlo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Moving Reminder</source>
        <translation>Avviso movimento</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Moving Reminder Switch</source>
        <translation>Attivazione avviso</translation>
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
        <translation>Ripristino di fabbrica</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Screen Mode</source>
        <translation>Modalità schermo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Always On</source>
        <translation>Sempre acceso</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-17"/>
        <source>Synchronize the clock</source>
        <translation>Sincronizza orologio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s</source>
        <translation>Sincronizza l&apos;orologio del dispositivo con quello del computer</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Screen Brightness</source>
        <translation>Luminosità schermo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-268"/>
        <location line="+4"/>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Storage Interval</source>
        <translation>Intervallo di memorizzazione</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-143"/>
        <source>t_calc_avg_time_hint</source>
        <translation>Frequenza con cui il dispositivo memorizza una lettura: un intervallo più breve conserva più dettagli, uno più lungo consente al dispositivo di contenere più notti.</translation>
    </message>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-138"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>SN:</source>
        <translation>N/S:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version: V</source>
        <translation>Versione software: V</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Press the key briefly to wake up the screen in standard mode when the device is at rest</source>
        <translation>In modalità standard, premere brevemente il tasto per riattivare lo schermo quando il dispositivo è a riposo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can wake up screen by touching the key on the device top when it&apos;s off.</source>
        <translation>Quando lo schermo è spento, è possibile riattivarlo toccando il tasto sulla parte superiore del dispositivo.</translation>
    </message>
    <message>
        <location line="+108"/>
        <location line="+4"/>
        <source>Volume Switch</source>
        <translation>Attivazione suono</translation>
    </message>
    <message>
        <location line="+197"/>
        <location line="+20"/>
        <location line="+15"/>
        <location line="+9"/>
        <location line="+49"/>
        <source>warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+20"/>
        <source>Save failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save successed.</source>
        <translation>Salvataggio riuscito.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+9"/>
        <source>busy</source>
        <translation>Operazione in corso, attendere.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s?</source>
        <translation>Sincronizzare l&apos;orologio del dispositivo con quello del computer?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize the clock successed.</source>
        <translation>Sincronizzazione dell&apos;orologio riuscita.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Synchronize the clock failed.</source>
        <translation>Sincronizzazione dell&apos;orologio non riuscita.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It will RESTORE default settings and ERASE all the data on your device.</source>
        <translation>Verranno RIPRISTINATE le impostazioni predefinite e CANCELLATI tutti i dati presenti sul dispositivo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <source>Factory Reset failed.</source>
        <translation>Ripristino di fabbrica non riuscito.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Factory Reset successed.</source>
        <translation>Ripristino di fabbrica riuscito.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The reminder is only for notification purpose, never use it for any medical condition</source>
        <translation>Un basso livello di ossigeno nel sangue può avere effetti negativi sulla salute. L&apos;avviso ha solo scopo informativo e non deve mai essere utilizzato per finalità mediche.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The vibration is only for notification purpose, never use it for any medical condition</source>
        <translation>Un basso livello di ossigeno nel sangue può avere effetti negativi sulla salute. La vibrazione ha solo scopo informativo e non deve mai essere utilizzata per finalità mediche.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>This mode will consume power much more quickly.</source>
        <translation>Questa modalità consuma la batteria molto più rapidamente.</translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <location filename="../../patient/editdialog.ui" line="+14"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>Unità:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>Imperiale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Physician:</source>
        <translation>Medico:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location filename="../../patient/editdialog.cpp" line="+50"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+96"/>
        <location line="+12"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The patient details could not be saved.</source>
        <translation>Impossibile salvare i dati del paziente.</translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+128"/>
        <source>Please enter the correct birthday</source>
        <translation>Inserire una data di nascita corretta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>Inserire un peso corretto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>Inserire un&apos;altezza corretta</translation>
    </message>
</context>
<context>
    <name>LoginWidget</name>
    <message>
        <location filename="../../cloud/ui/loginwidget.ui" line="+26"/>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Forgot your password?</source>
        <translation>Password dimenticata?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sign in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>- Online Backup function is available for both Quillet app and Nocturnix client.</source>
        <translation>- La funzione Backup online è disponibile sia nell&apos;app Quillet sia nel client Nocturnix.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- Using Online Backup function can back up your mobile phone or computer&apos;s local measurement data to our cloud server to better ensure the security of your data.</source>
        <translation>- Con la funzione Backup online è possibile eseguire il backup dei dati di misurazione locali del telefono o del computer sul nostro server cloud, per una maggiore sicurezza dei dati.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- To use this function, please register and purchase services through Quillet app first.</source>
        <translation>- Per utilizzare questa funzione, registrarsi e acquistare prima il servizio tramite l&apos;app Quillet.</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/loginwidget.cpp" line="+50"/>
        <location line="+95"/>
        <source>Login failed.</source>
        <translation>Accesso non riuscito.</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Wrong account or password</source>
        <translation>Account o password errati</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+40"/>
        <location line="+22"/>
        <location line="+20"/>
        <source>error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+40"/>
        <source>Please enter your email address</source>
        <translation>Inserire l&apos;indirizzo e-mail</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+49"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Successful</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please check your email</source>
        <translation>Controllare la propria casella e-mail</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server did not send the link.</source>
        <translation>Il server non ha inviato il link.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The server did not answer in time. Please try again later.</source>
        <translation>Il server non ha risposto in tempo. Riprovare più tardi.</translation>
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
        <translation>Connetti</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Configure</source>
        <translation>Configura</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Online Backup</source>
        <translation>Backup online</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Contact Us</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>tip_text</source>
        <translation>Collegare il dispositivo a questo computer con il relativo cavo USB.</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Save as PDF</source>
        <translation>Salva PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Export as CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="+2"/>
        <location line="+88"/>
        <source>No Device connected now. To Download and Configure, you need to connect to the device first.</source>
        <translation>Nessun dispositivo connesso. Per usare Scarica e Configura, collegare prima il dispositivo.</translation>
    </message>
    <message>
        <location line="-51"/>
        <location line="+50"/>
        <source>No device connected</source>
        <translation>Nessun dispositivo connesso</translation>
    </message>
    <message>
        <location line="-7"/>
        <source> is connected</source>
        <translation> è connesso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To connect to your device using Quillet app on your phone, click the disconnect button!</source>
        <translation>Per connettersi al dispositivo con l&apos;app Quillet sul telefono, fare clic sul pulsante di disconnessione.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recorder found, but access is denied: install the udev rule %1 and plug it in again</source>
        <translation>Dispositivo rilevato, ma l&apos;accesso è negato: installare la regola udev %1 e ricollegare il dispositivo</translation>
    </message>
    <message>
        <location line="+89"/>
        <location filename="../../protocol/commcontroller.cpp" line="-249"/>
        <source>Can not connect to device.</source>
        <translation>Impossibile connettersi al dispositivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not read device setting.</source>
        <translation>Impossibile leggere le impostazioni del dispositivo.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The file is corrupt.</source>
        <translation>Il file è danneggiato.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Remove completed</source>
        <translation>Rimozione completata</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>No recordings yet.
Connect a recorder and press Download to bring its nights in.</source>
        <translation>Ancora nessuna registrazione.
Collegare un dispositivo e premere Scarica per importarne le notti.</translation>
    </message>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="-1"/>
        <source>All file downloaded.</source>
        <translation>Tutti i file sono stati scaricati.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not get device information.</source>
        <translation>Impossibile ottenere le informazioni sul dispositivo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create file failed.</source>
        <translation>Creazione del file non riuscita.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can not get file information.</source>
        <translation>Impossibile ottenere le informazioni sul file.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data.</source>
        <translation>Nessun dato.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download failed.</source>
        <translation>Download non riuscito.</translation>
    </message>
    <message>
        <location filename="../../report/reportoutput.cpp" line="+38"/>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>print completed</source>
        <translation>Stampa completata</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>pdf File(*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+22"/>
        <source>create file failed</source>
        <translation>Creazione del file non riuscita</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save as PDF failed</source>
        <translation>Salvataggio PDF non riuscito</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>save pdf completed</source>
        <translation>Salvataggio PDF completato</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>csv File(*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>save csv completed</source>
        <translation>Salvataggio CSV completato</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../../app/messagebox.cpp" line="+55"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Sì</translation>
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
        <translation>Rimuovi</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+30"/>
        <source>Mark</source>
        <translation>Annotazione</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Remove items</source>
        <translation>Rimuovi elementi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure to remove selected items ?</source>
        <translation>Rimuovere gli elementi selezionati?</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Mark:</source>
        <translation>Annotazione:</translation>
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
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <location filename="../../storage/recordingstore.cpp" line="+235"/>
        <source>stored</source>
        <translation>salvato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the stored night&apos;s missing file was put back</source>
        <translation>il file mancante della notte salvata è stato ripristinato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>already stored</source>
        <translation>già salvato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>deleted before, it stays deleted</source>
        <translation>eliminato in precedenza, resta eliminato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the serial number cannot name a directory</source>
        <translation>il numero di serie non è utilizzabile come nome di cartella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file name is not a start time (yyyyMMddhhmmss)</source>
        <translation>il nome del file non è un orario di inizio (yyyyMMddhhmmss)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the branch code is empty or not the stored recorder&apos;s</source>
        <translation>il codice modello è vuoto o non corrisponde a quello del dispositivo salvato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be read</source>
        <translation>il file non può essere letto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a readable recording</source>
        <translation>non è una registrazione leggibile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be written into the data directory</source>
        <translation>il file non può essere scritto nella cartella dei dati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the database did not take the record</source>
        <translation>il database non ha accettato la registrazione</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../report/chartpainter.cpp" line="+166"/>
        <source>Oxygen Level(%)</source>
        <comment>venrik</comment>
        <translation>Livello di ossigeno (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2(%)</source>
        <translation>SpO2(%)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Pulse Rate(/min)</source>
        <translation>Frequenza del polso (/min)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Motion</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Ratio(%)</source>
        <translation>Percentuale (%)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Oxygen Level%</source>
        <comment>venrik</comment>
        <translation>Livello di ossigeno %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2%</source>
        <translation>SpO2%</translation>
    </message>
    <message>
        <location filename="../../report/reporthelper.cpp" line="+156"/>
        <source>Oxygen Level Report</source>
        <translation>Report di ossigenazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Report</source>
        <translation>Report del sonno</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../report/textblockpainter.cpp" line="+68"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measurement Date:</source>
        <translation>Data misurazione:</translation>
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
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Drops over 3%:</source>
        <translation>Desaturazioni &gt;3%:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drops over 4%:</source>
        <translation>Desaturazioni &gt;4%:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 times</source>
        <translation>%1 volte</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Drops per hour:</source>
        <translation>Desaturazioni/ora:</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Time&lt;1h</source>
        <translation>Durata &lt;1h</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Date:</source>
        <translation>Data inizio:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Time:</source>
        <translation>Ora inizio:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>End Time:</source>
        <translation>Ora fine:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;90% time:</source>
        <translation>Tempo &lt;90%:</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>O2 Score:</source>
        <translation>Punteggio O2:</translation>
    </message>
    <message>
        <location filename="../../report/textblockpainter.cpp" line="+1"/>
        <source>ID#:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BMI:</source>
        <translation>BMI:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Physician:</source>
        <translation>Medico:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Highest</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average</source>
        <translation>Medio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxygen Level:</source>
        <comment>venrik</comment>
        <translation>Ossigeno:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2:</source>
        <translation>SpO2:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pulse Rate:</source>
        <translation>Frequenza del polso:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Oxygen level</source>
        <translation>Livello O2</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>%Total</source>
        <translation>% totale</translation>
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
        <translation>Polso</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Select directory to save data:</source>
        <translation>Selezionare la cartella in cui salvare i dati:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="+24"/>
        <source>Browser</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/datadiraccess.cpp" line="+73"/>
        <source>Permission denied</source>
        <translation>Accesso negato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges or reselect the directory</source>
        <translation>Riavviare il programma con privilegi di amministratore oppure selezionare di nuovo la cartella</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="-9"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../app/dialogs/settingdlg.ui" line="+14"/>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Default patient</source>
        <translation>Paziente predefinito</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>Unità:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>Imperiale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Physician:</source>
        <translation>Medico:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SpO2 range:</source>
        <translation>Intervallo SpO2:</translation>
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
        <translation>Intervallo frequenza polso:</translation>
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
        <translation>Posizione dei dati</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Browser</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/settingdlg.cpp" line="+47"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Save in</source>
        <translation>Salva in</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+28"/>
        <location line="+21"/>
        <location line="+9"/>
        <location line="+56"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>The language setting is successful, please restart the software to take effect</source>
        <translation>Lingua impostata. Riavviare il programma per applicare la modifica.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Can not select subdirectory.</source>
        <translation>Impossibile selezionare una sottocartella.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The selected directory already holds a database. Please select another directory.</source>
        <translation>La cartella selezionata contiene già un database. Selezionare un&apos;altra cartella.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The database could not be opened in %1.</source>
        <translation>Impossibile aprire il database in %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n file(s) could not be moved and stayed in %1.</source>
        <translation>
            <numerusform>%n file non è stato spostato ed è rimasto in %1.</numerusform>
            <numerusform>%n file non sono stati spostati e sono rimasti in %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+1"/>
        <source>Please enter the correct birthday</source>
        <translation>Inserire una data di nascita corretta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>Inserire un peso corretto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>Inserire un&apos;altezza corretta</translation>
    </message>
</context>
<context>
    <name>SyncHelper</name>
    <message>
        <location filename="../../cloud/cloudaccount.cpp" line="+17"/>
        <source>Unknown err</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudwire.cpp" line="+91"/>
        <source>Host not found</source>
        <translation>Host non trovato</translation>
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
        <translation>Modulo</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>O2 Score</source>
        <translation>Punteggio O2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drops over 4%</source>
        <translation>Desat. &gt;4%</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lowest SpO2</source>
        <translation>SpO2 minima</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.SpO2</source>
        <translation>Media SpO2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.PR</source>
        <translation>Media PR</translation>
    </message>
    <message>
        <location filename="../../trend/trendwidget.cpp" line="+90"/>
        <source>Avg.O2</source>
        <translation>Media O2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg.PR</source>
        <comment>venrik</comment>
        <translation>Media PR</translation>
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
        <translation>Avviso ossigeno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Reminder Switch</source>
        <translation>Attivazione avviso ossigeno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Threshold</source>
        <translation>Soglia ossigeno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder</source>
        <translation>Avviso PR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder Switch</source>
        <translation>Attivazione avviso PR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low PR Threshold</source>
        <translation>Soglia inferiore PR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High PR Threshold</source>
        <translation>Soglia superiore PR</translation>
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
        <translation>Annotazione</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mark:</source>
        <translation>Annotazione:</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>venrik</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-59"/>
        <source>Oxgen Reminder</source>
        <translation>Avviso ossigeno</translation>
    </message>
</context>
<context>
    <name>volome</name>
    <message>
        <location line="-11"/>
        <source>Lowest</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Basso</translation>
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
        <translation>Massimo</translation>
    </message>
</context>
</TS>
