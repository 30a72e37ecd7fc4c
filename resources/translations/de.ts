<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDlg</name>
    <message>
        <location filename="../../widgets/aboutdlg.ui" line="+7"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New version found, click to download.</source>
        <translation>Neue Version verfügbar – zum Herunterladen klicken.</translation>
    </message>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="+18"/>
        <source>Nocturnix V</source>
        <translation>Nocturnix V</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>„%1“ konnte nicht geöffnet werden.</translation>
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
        <translation>wird bereits ausgeführt.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Bitte starten Sie die Software mit Administratorrechten neu.</translation>
    </message>
</context>
<context>
    <name>BackupWidget</name>
    <message>
        <location filename="../../cloud/ui/backupwidget.ui" line="+19"/>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatic backup</source>
        <translation>Automatisches Backup</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Terms of Use</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/backupwidget.cpp" line="+63"/>
        <location line="+15"/>
        <source>Preparing for synchronization</source>
        <translation>Synchronisierung wird vorbereitet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Records: %1</source>
        <translation>Aufzeichnungen: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Devices: %1</source>
        <translation>Geräte: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Uploading... %1</source>
        <translation>Wird hochgeladen … %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading... %1</source>
        <translation>Wird heruntergeladen … %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Synchronization is complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Synchronization failed</source>
        <translation>Synchronisierung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>„%1“ konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>CloudDialog</name>
    <message>
        <location filename="../../cloud/ui/clouddialog.ui" line="+9"/>
        <location filename="../../cloud/ui/clouddialog.cpp" line="+18"/>
        <source>Online Backup</source>
        <translation>Online-Backup</translation>
    </message>
</context>
<context>
    <name>CommController</name>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="+287"/>
        <source>%1 could not be read; it is kept and read again at the next start.</source>
        <translation>%1 konnte nicht gelesen werden; die Datei bleibt erhalten und wird beim nächsten Start erneut gelesen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 was not stored (%2); it is fetched again with the next download.</source>
        <translation>%1 wurde nicht gespeichert (%2); die Datei wird beim nächsten Auslesen erneut abgerufen.</translation>
    </message>
</context>
<context>
    <name>Contact</name>
    <message>
        <location filename="../../widgets/contact.ui" line="+7"/>
        <source>Contact Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you have any problems with our products, please contact us through the following email, and we will reply to you as soon as possible.</source>
        <translation>Wenn Sie Probleme mit unseren Produkten haben, schreiben Sie uns bitte an die folgende E-Mail-Adresse. Wir antworten Ihnen so schnell wie möglich.</translation>
    </message>
    <message>
        <location filename="../../widgets/contact.cpp" line="+18"/>
        <source>Email: &lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>E-Mail: &lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DeviceSettingDlg</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.ui" line="+6"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="+49"/>
        <source>Configure</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Reminder</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reminder Switch</source>
        <translation>Hinweis</translation>
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
        <translation>Ein</translation>
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
        <translation>Aus</translation>
    </message>
    <message>
        <location line="-328"/>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Intensity</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Very weak</source>
        <translation>Sehr schwach</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+421"/>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location line="-416"/>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Very strong</source>
        <translation>Sehr stark</translation>
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
        <translation>Vibration</translation>
    </message>
    <message>
        <location line="-67"/>
        <location line="+94"/>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Threshold</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pulse Rate</source>
        <translation>Pulsfrequenz</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Upper Threshold</source>
        <translation>Oberer Grenzwert</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lower Threshold</source>
        <translation>Unterer Grenzwert</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No Value Reminder</source>
        <translation>Hinweis bei fehlendem Messwert</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No Value Reminder Switch</source>
        <translation>Hinweis ohne Messwert</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Reminder Delay Time</source>
        <translation>Hinweisverzögerung</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Set how long the invalid value lasts before the Base Station starts to alarm.</source>
        <translation>Legen Sie fest, wie lange kein gültiger Messwert vorliegen muss, bevor die Basisstation einen Alarm auslöst.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Moving Reminder</source>
        <translation>Bewegungshinweis</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Moving Reminder Switch</source>
        <translation>Bewegungshinweis</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="+567"/>
        <source>Factory Reset</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Screen Mode</source>
        <translation>Displaymodus</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Always On</source>
        <translation>Immer an</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-17"/>
        <source>Synchronize the clock</source>
        <translation>Uhr synchronisieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s</source>
        <translation>Uhr des Geräts mit der Uhr des Computers synchronisieren</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Screen Brightness</source>
        <translation>Displayhelligkeit</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-268"/>
        <location line="+4"/>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Storage Interval</source>
        <translation>Speicherintervall</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-143"/>
        <source>t_calc_avg_time_hint</source>
        <translation>Wie oft das Gerät einen Messwert speichert: Ein kürzeres Intervall erfasst mehr Details, ein längeres lässt Platz für mehr Nächte.</translation>
    </message>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-138"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>SN:</source>
        <translation>SN:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version: V</source>
        <translation>Softwareversion: V</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Press the key briefly to wake up the screen in standard mode when the device is at rest</source>
        <translation>Drücken Sie im Standardmodus kurz die Taste, um das Display einzuschalten, wenn das Gerät ruht.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can wake up screen by touching the key on the device top when it&apos;s off.</source>
        <translation>Ist das Display aus, können Sie es durch Berühren der Taste oben am Gerät einschalten.</translation>
    </message>
    <message>
        <location line="+108"/>
        <location line="+4"/>
        <source>Volume Switch</source>
        <translation>Ton</translation>
    </message>
    <message>
        <location line="+197"/>
        <location line="+20"/>
        <location line="+15"/>
        <location line="+9"/>
        <location line="+49"/>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+20"/>
        <source>Save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save successed.</source>
        <translation>Erfolgreich gespeichert.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+9"/>
        <source>busy</source>
        <translation>Vorgang läuft, bitte warten.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s?</source>
        <translation>Uhr des Geräts mit der Uhr des Computers synchronisieren?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize the clock successed.</source>
        <translation>Uhr erfolgreich synchronisiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Synchronize the clock failed.</source>
        <translation>Synchronisieren der Uhr fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It will RESTORE default settings and ERASE all the data on your device.</source>
        <translation>Dadurch werden die Standardeinstellungen WIEDERHERGESTELLT und alle Daten auf Ihrem Gerät GELÖSCHT.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <source>Factory Reset failed.</source>
        <translation>Zurücksetzen auf Werkseinstellungen fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Factory Reset successed.</source>
        <translation>Gerät erfolgreich auf Werkseinstellungen zurückgesetzt.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The reminder is only for notification purpose, never use it for any medical condition</source>
        <translation>Ein niedriger Blutsauerstoffgehalt kann Ihrer Gesundheit schaden. Der Hinweis dient nur zur Benachrichtigung; verwenden Sie ihn niemals für medizinische Zwecke.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The vibration is only for notification purpose, never use it for any medical condition</source>
        <translation>Ein niedriger Blutsauerstoffgehalt kann Ihrer Gesundheit schaden. Die Vibration dient nur zur Benachrichtigung; verwenden Sie sie niemals für medizinische Zwecke.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>This mode will consume power much more quickly.</source>
        <translation>In diesem Modus ist der Akku deutlich schneller leer.</translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <location filename="../../patient/editdialog.ui" line="+14"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID-Nr.:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Physician:</source>
        <translation>Arzt:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Height:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <location filename="../../patient/editdialog.cpp" line="+50"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+96"/>
        <location line="+12"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The patient details could not be saved.</source>
        <translation>Die Patientendaten konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+128"/>
        <source>Please enter the correct birthday</source>
        <translation>Bitte geben Sie ein gültiges Geburtsdatum ein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>Bitte geben Sie ein gültiges Gewicht ein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>Bitte geben Sie eine gültige Größe ein.</translation>
    </message>
</context>
<context>
    <name>LoginWidget</name>
    <message>
        <location filename="../../cloud/ui/loginwidget.ui" line="+26"/>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Forgot your password?</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>- Online Backup function is available for both Quillet app and Nocturnix client.</source>
        <translation>- Die Online-Backup-Funktion steht sowohl in der Quillet-App als auch in Nocturnix zur Verfügung.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- Using Online Backup function can back up your mobile phone or computer&apos;s local measurement data to our cloud server to better ensure the security of your data.</source>
        <translation>- Mit dem Online-Backup werden die lokal auf Ihrem Smartphone oder Computer gespeicherten Messdaten auf unserem Cloud-Server gesichert, damit Ihre Daten besser geschützt sind.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- To use this function, please register and purchase services through Quillet app first.</source>
        <translation>- Um diese Funktion zu nutzen, registrieren Sie sich bitte zuerst in der Quillet-App und erwerben Sie dort den Dienst.</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/loginwidget.cpp" line="+50"/>
        <location line="+95"/>
        <source>Login failed.</source>
        <translation>Anmeldung fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Wrong account or password</source>
        <translation>Konto oder Passwort ist falsch.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+40"/>
        <location line="+22"/>
        <location line="+20"/>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+40"/>
        <source>Please enter your email address</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+49"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Successful</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please check your email</source>
        <translation>Bitte prüfen Sie Ihr E-Mail-Postfach.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server did not send the link.</source>
        <translation>Der Server hat den Link nicht gesendet.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The server did not answer in time. Please try again later.</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet. Bitte versuchen Sie es später erneut.</translation>
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
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Download</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Configure</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Online Backup</source>
        <translation>Online-Backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Options</source>
        <translation>Optionen</translation>
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
        <translation>Kontakt</translation>
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
        <translation>Verbinden Sie das Gerät über sein USB-Kabel mit diesem Computer.</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Save as PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Export as CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="+2"/>
        <location line="+88"/>
        <source>No Device connected now. To Download and Configure, you need to connect to the device first.</source>
        <translation>Kein Gerät verbunden. Zum Auslesen und Einstellen verbinden Sie bitte zuerst das Gerät.</translation>
    </message>
    <message>
        <location line="-51"/>
        <location line="+50"/>
        <source>No device connected</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
    <message>
        <location line="-7"/>
        <source> is connected</source>
        <translation> ist verbunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To connect to your device using Quillet app on your phone, click the disconnect button!</source>
        <translation>Um Ihr Gerät mit der Quillet-App auf Ihrem Smartphone zu verbinden, klicken Sie auf die Schaltfläche zum Trennen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recorder found, but access is denied: install the udev rule %1 and plug it in again</source>
        <translation>Gerät gefunden, aber der Zugriff wird verweigert: Installieren Sie die udev-Regel %1 und stecken Sie das Gerät erneut ein.</translation>
    </message>
    <message>
        <location line="+89"/>
        <location filename="../../protocol/commcontroller.cpp" line="-249"/>
        <source>Can not connect to device.</source>
        <translation>Verbindung zum Gerät nicht möglich.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not read device setting.</source>
        <translation>Geräteeinstellungen können nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The file is corrupt.</source>
        <translation>Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Remove completed</source>
        <translation>Entfernen abgeschlossen</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>No recordings yet.
Connect a recorder and press Download to bring its nights in.</source>
        <translation>Noch keine Aufzeichnungen.
Schließen Sie ein Gerät an und klicken Sie auf „Auslesen“, um seine Nächte zu übernehmen.</translation>
    </message>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="-1"/>
        <source>All file downloaded.</source>
        <translation>Alle Dateien ausgelesen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not get device information.</source>
        <translation>Geräteinformationen können nicht abgerufen werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create file failed.</source>
        <translation>Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can not get file information.</source>
        <translation>Dateiinformationen können nicht abgerufen werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data.</source>
        <translation>Keine Daten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download failed.</source>
        <translation>Auslesen fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../../report/reportoutput.cpp" line="+38"/>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>print completed</source>
        <translation>Drucken abgeschlossen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>pdf File(*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+22"/>
        <source>create file failed</source>
        <translation>Datei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save as PDF failed</source>
        <translation>PDF konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>save pdf completed</source>
        <translation>PDF gespeichert</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>csv File(*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>save csv completed</source>
        <translation>CSV exportiert</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>MyTreeView</name>
    <message>
        <location filename="../../app/mytreeview.cpp" line="+71"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+30"/>
        <source>Mark</source>
        <translation>Anmerkung</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Remove items</source>
        <translation>Einträge entfernen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure to remove selected items ?</source>
        <translation>Möchten Sie die ausgewählten Einträge wirklich entfernen?</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Mark:</source>
        <translation>Anmerkung:</translation>
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
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <location filename="../../storage/recordingstore.cpp" line="+235"/>
        <source>stored</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the stored night&apos;s missing file was put back</source>
        <translation>die fehlende Datei der gespeicherten Nacht wurde wiederhergestellt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>already stored</source>
        <translation>bereits gespeichert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>deleted before, it stays deleted</source>
        <translation>zuvor gelöscht, bleibt gelöscht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the serial number cannot name a directory</source>
        <translation>die Seriennummer ist als Verzeichnisname nicht verwendbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file name is not a start time (yyyyMMddhhmmss)</source>
        <translation>der Dateiname ist keine Startzeit (yyyyMMddhhmmss)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the branch code is empty or not the stored recorder&apos;s</source>
        <translation>der Branch-Code ist leer oder gehört nicht zum gespeicherten Gerät</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a readable recording</source>
        <translation>keine lesbare Aufzeichnung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be written into the data directory</source>
        <translation>die Datei kann nicht in das Datenverzeichnis geschrieben werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the database did not take the record</source>
        <translation>die Datenbank hat die Aufzeichnung nicht übernommen</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../report/chartpainter.cpp" line="+166"/>
        <source>Oxygen Level(%)</source>
        <comment>venrik</comment>
        <translation>Sauerstoffwert (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2(%)</source>
        <translation>SpO2 (%)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Pulse Rate(/min)</source>
        <translation>Pulsfrequenz (/min)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Ratio(%)</source>
        <translation>Anteil (%)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Oxygen Level%</source>
        <comment>venrik</comment>
        <translation>Sauerstoffwert %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2%</source>
        <translation>SpO2 %</translation>
    </message>
    <message>
        <location filename="../../report/reporthelper.cpp" line="+156"/>
        <source>Oxygen Level Report</source>
        <translation>Sauerstoffbericht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Report</source>
        <translation>Schlafbericht</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../report/textblockpainter.cpp" line="+68"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measurement Date:</source>
        <translation>Messdatum:</translation>
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
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Drops over 3%:</source>
        <translation>Entsättigungen &gt;3%:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drops over 4%:</source>
        <translation>Entsättigungen &gt;4%:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 times</source>
        <translation>%1-mal</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Drops per hour:</source>
        <translation>Pro Stunde:</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Time&lt;1h</source>
        <translation>Dauer &lt;1h</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Time:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>End Time:</source>
        <translation>Endzeit:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;90% time:</source>
        <translation>Zeit &lt;90%:</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>O2 Score:</source>
        <translation>O2-Score:</translation>
    </message>
    <message>
        <location filename="../../report/textblockpainter.cpp" line="+1"/>
        <source>ID#:</source>
        <translation>ID-Nr.:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Height:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BMI:</source>
        <translation>BMI:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Physician:</source>
        <translation>Arzt:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Highest</source>
        <translation>Höchstwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest</source>
        <translation>Tiefstwert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxygen Level:</source>
        <comment>venrik</comment>
        <translation>Sauerstoff:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2:</source>
        <translation>SpO2:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pulse Rate:</source>
        <translation>Pulsfrequenz:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Oxygen level</source>
        <translation>Sauerstoffwert</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>%Total</source>
        <translation>Anteil</translation>
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
        <translation>Pulsfrequenz</translation>
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
        <translation>Einstellung</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Select directory to save data:</source>
        <translation>Verzeichnis zum Speichern der Daten wählen:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="+24"/>
        <source>Browser</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/datadiraccess.cpp" line="+73"/>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges or reselect the directory</source>
        <translation>Bitte starten Sie die Software mit Administratorrechten neu oder wählen Sie ein anderes Verzeichnis.</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="-9"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../app/dialogs/settingdlg.ui" line="+14"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Default patient</source>
        <translation>Standardpatient</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID-Nr.:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Height:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Physician:</source>
        <translation>Arzt:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SpO2 range:</source>
        <translation>SpO2-Bereich:</translation>
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
        <translation>Pulsfrequenzbereich:</translation>
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
        <translation>Speicherort</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Browser</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/settingdlg.cpp" line="+47"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Save in</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+28"/>
        <location line="+21"/>
        <location line="+9"/>
        <location line="+56"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>The language setting is successful, please restart the software to take effect</source>
        <translation>Die Sprache wurde geändert. Bitte starten Sie die Software neu, damit die Änderung wirksam wird.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Can not select subdirectory.</source>
        <translation>Ein Unterverzeichnis des aktuellen Datenverzeichnisses kann nicht gewählt werden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The selected directory already holds a database. Please select another directory.</source>
        <translation>Das gewählte Verzeichnis enthält bereits eine Datenbank. Bitte wählen Sie ein anderes Verzeichnis.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The database could not be opened in %1.</source>
        <translation>Die Datenbank in %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n file(s) could not be moved and stayed in %1.</source>
        <translation>
            <numerusform>%n Datei konnte nicht verschoben werden und ist in %1 verblieben.</numerusform>
            <numerusform>%n Dateien konnten nicht verschoben werden und sind in %1 verblieben.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+1"/>
        <source>Please enter the correct birthday</source>
        <translation>Bitte geben Sie ein gültiges Geburtsdatum ein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>Bitte geben Sie ein gültiges Gewicht ein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>Bitte geben Sie eine gültige Größe ein.</translation>
    </message>
</context>
<context>
    <name>SyncHelper</name>
    <message>
        <location filename="../../cloud/cloudaccount.cpp" line="+17"/>
        <source>Unknown err</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudwire.cpp" line="+91"/>
        <source>Host not found</source>
        <translation>Host nicht gefunden</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>O2 Score</source>
        <translation>O2-Score</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drops over 4%</source>
        <translation>Entsätt. &gt;4%</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lowest SpO2</source>
        <translation>Min. SpO2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.SpO2</source>
        <translation>Ø SpO2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.PR</source>
        <translation>Ø PR</translation>
    </message>
    <message>
        <location filename="../../trend/trendwidget.cpp" line="+90"/>
        <source>Avg.O2</source>
        <translation>Ø O2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg.PR</source>
        <comment>venrik</comment>
        <translation>Ø PR</translation>
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
        <translation>Sauerstoffhinweis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Reminder Switch</source>
        <translation>Sauerstoffhinweis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Threshold</source>
        <translation>Sauerstoffgrenzwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder</source>
        <translation>PR-Hinweis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder Switch</source>
        <translation>PR-Hinweis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low PR Threshold</source>
        <translation>Unterer PR-Grenzwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High PR Threshold</source>
        <translation>Oberer PR-Grenzwert</translation>
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
        <translation>Anmerkung</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mark:</source>
        <translation>Anmerkung:</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>venrik</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-59"/>
        <source>Oxgen Reminder</source>
        <translation>Sauerstoffhinweis</translation>
    </message>
</context>
<context>
    <name>volome</name>
    <message>
        <location line="-11"/>
        <source>Lowest</source>
        <translation>Sehr leise</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Leise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High</source>
        <translation>Laut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highest</source>
        <translation>Sehr laut</translation>
    </message>
</context>
</TS>
