<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDlg</name>
    <message>
        <location filename="../../widgets/aboutdlg.ui" line="+7"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New version found, click to download.</source>
        <translation>Nouvelle version disponible, cliquez pour la télécharger.</translation>
    </message>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="+18"/>
        <source>Nocturnix V</source>
        <translation>Nocturnix V</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;».</translation>
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
        <translation>est déjà en cours d&apos;exécution...</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Permission denied</source>
        <translation>Autorisation refusée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Veuillez relancer le logiciel avec les droits d&apos;administrateur</translation>
    </message>
</context>
<context>
    <name>BackupWidget</name>
    <message>
        <location filename="../../cloud/ui/backupwidget.ui" line="+19"/>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sign out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatic backup</source>
        <translation>Sauvegarde automatique</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Terms of Use</source>
        <translation>Conditions d&apos;utilisation</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/backupwidget.cpp" line="+63"/>
        <location line="+15"/>
        <source>Preparing for synchronization</source>
        <translation>Préparation de la synchronisation</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Records: %1</source>
        <translation>Enregistrements&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Devices: %1</source>
        <translation>Appareils&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Uploading... %1</source>
        <translation>Envoi en cours... %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading... %1</source>
        <translation>Téléchargement en cours... %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Synchronization is complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Synchronization failed</source>
        <translation>Échec de la synchronisation</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CloudDialog</name>
    <message>
        <location filename="../../cloud/ui/clouddialog.ui" line="+9"/>
        <location filename="../../cloud/ui/clouddialog.cpp" line="+18"/>
        <source>Online Backup</source>
        <translation>Sauvegarde en ligne</translation>
    </message>
</context>
<context>
    <name>CommController</name>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="+287"/>
        <source>%1 could not be read; it is kept and read again at the next start.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu&#xa0;; il est conservé et sera relu au prochain démarrage.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 was not stored (%2); it is fetched again with the next download.</source>
        <translation>Le fichier %1 n&apos;a pas été enregistré (%2)&#xa0;; il sera de nouveau récupéré au prochain téléchargement.</translation>
    </message>
</context>
<context>
    <name>Contact</name>
    <message>
        <location filename="../../widgets/contact.ui" line="+7"/>
        <source>Contact Us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you have any problems with our products, please contact us through the following email, and we will reply to you as soon as possible.</source>
        <translation>Si vous rencontrez un problème avec nos produits, contactez-nous à l&apos;adresse e-mail ci-dessous&#xa0;; nous vous répondrons dans les meilleurs délais.</translation>
    </message>
    <message>
        <location filename="../../widgets/contact.cpp" line="+18"/>
        <source>Email: &lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>E-mail&#xa0;: &lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DeviceSettingDlg</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.ui" line="+6"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="+49"/>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Reminder</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reminder Switch</source>
        <translation>Alerte</translation>
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
        <translation>Activé</translation>
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
        <translation>Désactivé</translation>
    </message>
    <message>
        <location line="-328"/>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Very weak</source>
        <translation>Très faible</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Weak</source>
        <translation>Faible</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+421"/>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <location line="-416"/>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Very strong</source>
        <translation>Très forte</translation>
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
        <translation>Son</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pulse Rate</source>
        <translation>Pouls</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Upper Threshold</source>
        <translation>Seuil haut</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lower Threshold</source>
        <translation>Seuil bas</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No Value Reminder</source>
        <translation>Alerte d&apos;absence de valeur</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No Value Reminder Switch</source>
        <translation>Alerte d&apos;absence de valeur</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Reminder Delay Time</source>
        <translation>Délai avant alerte</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Set how long the invalid value lasts before the Base Station starts to alarm.</source>
        <translation>Définissez pendant combien de temps la valeur doit rester invalide avant que la station de base ne déclenche l&apos;alerte.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Moving Reminder</source>
        <translation>Alerte de mouvement</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Moving Reminder Switch</source>
        <translation>Alerte de mouvement</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="+567"/>
        <source>Factory Reset</source>
        <translation>Réinitialisation d&apos;usine</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Screen Mode</source>
        <translation>Mode d&apos;écran</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Always On</source>
        <translation>Toujours allumé</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-17"/>
        <source>Synchronize the clock</source>
        <translation>Synchroniser l&apos;horloge</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s</source>
        <translation>Synchroniser l&apos;horloge de l&apos;appareil avec celle de l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Screen Brightness</source>
        <translation>Luminosité de l&apos;écran</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High</source>
        <translation>Élevée</translation>
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
        <translation>Intervalle d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-143"/>
        <source>t_calc_avg_time_hint</source>
        <translation>Fréquence à laquelle l&apos;appareil enregistre une mesure&#xa0;: un intervalle court conserve plus de détails, un intervalle long permet à l&apos;appareil de stocker plus de nuits.</translation>
    </message>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-138"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>SN:</source>
        <translation>N° de série&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version: V</source>
        <translation>Version du logiciel&#xa0;: V</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Press the key briefly to wake up the screen in standard mode when the device is at rest</source>
        <translation>En mode standard, appuyez brièvement sur la touche pour réveiller l&apos;écran lorsque l&apos;appareil est au repos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can wake up screen by touching the key on the device top when it&apos;s off.</source>
        <translation>Lorsque l&apos;écran est éteint, touchez la touche située sur le dessus de l&apos;appareil pour le rallumer.</translation>
    </message>
    <message>
        <location line="+108"/>
        <location line="+4"/>
        <source>Volume Switch</source>
        <translation>Son</translation>
    </message>
    <message>
        <location line="+197"/>
        <location line="+20"/>
        <location line="+15"/>
        <location line="+9"/>
        <location line="+49"/>
        <source>warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+20"/>
        <source>Save failed</source>
        <translation>Échec de l&apos;enregistrement des réglages</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save successed.</source>
        <translation>Réglages enregistrés.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+9"/>
        <source>busy</source>
        <translation>L&apos;appareil est occupé.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s?</source>
        <translation>Synchroniser l&apos;horloge de l&apos;appareil avec celle de l&apos;ordinateur&#xa0;?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize the clock successed.</source>
        <translation>Horloge synchronisée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Synchronize the clock failed.</source>
        <translation>Échec de la synchronisation de l&apos;horloge.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It will RESTORE default settings and ERASE all the data on your device.</source>
        <translation>Cette opération RÉTABLIT les paramètres par défaut et EFFACE toutes les données de votre appareil.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <source>Factory Reset failed.</source>
        <translation>Échec de la réinitialisation d&apos;usine.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Factory Reset successed.</source>
        <translation>Réinitialisation d&apos;usine réussie.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>info</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The reminder is only for notification purpose, never use it for any medical condition</source>
        <translation>Un faible taux d&apos;oxygène dans le sang peut nuire à votre santé. L&apos;alerte sert uniquement à vous prévenir&#xa0;; ne l&apos;utilisez jamais à des fins médicales.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The vibration is only for notification purpose, never use it for any medical condition</source>
        <translation>Un faible taux d&apos;oxygène dans le sang peut nuire à votre santé. La vibration sert uniquement à vous prévenir&#xa0;; ne l&apos;utilisez jamais à des fins médicales.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>This mode will consume power much more quickly.</source>
        <translation>Ce mode décharge la batterie beaucoup plus rapidement.</translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <location filename="../../patient/editdialog.ui" line="+14"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>Date de naissance&#xa0;:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>Unités&#xa0;:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>Impériales</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>Métriques</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Physician:</source>
        <translation>Médecin&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Height:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>Poids&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Note:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../patient/editdialog.cpp" line="+50"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+96"/>
        <location line="+12"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The patient details could not be saved.</source>
        <translation>Les informations du patient n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+128"/>
        <source>Please enter the correct birthday</source>
        <translation>Veuillez saisir une date de naissance valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>Veuillez saisir un poids valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>Veuillez saisir une taille valide</translation>
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
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Forgot your password?</source>
        <translation>Mot de passe oublié&#xa0;?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sign in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>- Online Backup function is available for both Quillet app and Nocturnix client.</source>
        <translation>- La fonction Sauvegarde en ligne est disponible dans l&apos;application Quillet et dans le logiciel Nocturnix.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- Using Online Backup function can back up your mobile phone or computer&apos;s local measurement data to our cloud server to better ensure the security of your data.</source>
        <translation>- La fonction Sauvegarde en ligne permet de sauvegarder sur notre serveur cloud les mesures stockées sur votre téléphone ou votre ordinateur, pour mieux protéger vos données.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- To use this function, please register and purchase services through Quillet app first.</source>
        <translation>- Pour utiliser cette fonction, inscrivez-vous et souscrivez d&apos;abord au service dans l&apos;application Quillet.</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/loginwidget.cpp" line="+50"/>
        <location line="+95"/>
        <source>Login failed.</source>
        <translation>Échec de la connexion au compte.</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Wrong account or password</source>
        <translation>Compte ou mot de passe incorrect</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+40"/>
        <location line="+22"/>
        <location line="+20"/>
        <source>error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+40"/>
        <source>Please enter your email address</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+49"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Successful</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please check your email</source>
        <translation>Veuillez consulter votre messagerie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server did not send the link.</source>
        <translation>Le serveur n&apos;a pas envoyé le lien.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The server did not answer in time. Please try again later.</source>
        <translation>Le serveur n&apos;a pas répondu à temps. Veuillez réessayer plus tard.</translation>
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
        <translation>Connecter</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Online Backup</source>
        <translation>Sauvegarde en ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Options</source>
        <translation>Options</translation>
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
        <translation>Contact</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>tip_text</source>
        <translation>Connectez l&apos;appareil à cet ordinateur avec son câble USB.</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Export as CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="+2"/>
        <location line="+88"/>
        <source>No Device connected now. To Download and Configure, you need to connect to the device first.</source>
        <translation>Aucun appareil connecté. Pour télécharger et configurer, connectez d&apos;abord l&apos;appareil.</translation>
    </message>
    <message>
        <location line="-51"/>
        <location line="+50"/>
        <source>No device connected</source>
        <translation>Aucun appareil connecté</translation>
    </message>
    <message>
        <location line="-7"/>
        <source> is connected</source>
        <translation> est connecté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To connect to your device using Quillet app on your phone, click the disconnect button!</source>
        <translation>Pour connecter votre appareil à l&apos;application Quillet de votre téléphone, cliquez sur le bouton de déconnexion&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recorder found, but access is denied: install the udev rule %1 and plug it in again</source>
        <translation>Appareil détecté, mais l&apos;accès est refusé&#xa0;: installez la règle udev %1, puis rebranchez l&apos;appareil</translation>
    </message>
    <message>
        <location line="+89"/>
        <location filename="../../protocol/commcontroller.cpp" line="-249"/>
        <source>Can not connect to device.</source>
        <translation>Impossible de se connecter à l&apos;appareil.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not read device setting.</source>
        <translation>Impossible de lire les réglages de l&apos;appareil.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The file is corrupt.</source>
        <translation>Le fichier est corrompu.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Remove completed</source>
        <translation>Suppression terminée</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>No recordings yet.
Connect a recorder and press Download to bring its nights in.</source>
        <translation>Aucun enregistrement pour l&apos;instant.
Connectez un appareil et cliquez sur Télécharger pour importer ses nuits.</translation>
    </message>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="-1"/>
        <source>All file downloaded.</source>
        <translation>Tous les fichiers ont été téléchargés.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not get device information.</source>
        <translation>Impossible d&apos;obtenir les informations de l&apos;appareil.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create file failed.</source>
        <translation>Échec de la création du fichier.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can not get file information.</source>
        <translation>Impossible d&apos;obtenir les informations du fichier.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data.</source>
        <translation>Aucune donnée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download failed.</source>
        <translation>Échec du téléchargement.</translation>
    </message>
    <message>
        <location filename="../../report/reportoutput.cpp" line="+38"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>print completed</source>
        <translation>Impression terminée</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>pdf File(*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+22"/>
        <source>create file failed</source>
        <translation>Échec de la création du fichier</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save as PDF failed</source>
        <translation>Échec de l&apos;enregistrement en PDF</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>save pdf completed</source>
        <translation>PDF enregistré</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>csv File(*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>save csv completed</source>
        <translation>Export CSV terminé</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>MyTreeView</name>
    <message>
        <location filename="../../app/mytreeview.cpp" line="+71"/>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+30"/>
        <source>Mark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Remove items</source>
        <translation>Supprimer les éléments</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure to remove selected items ?</source>
        <translation>Voulez-vous vraiment supprimer les éléments sélectionnés&#xa0;?</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Mark:</source>
        <translation>Remarque&#xa0;:</translation>
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
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <location filename="../../storage/recordingstore.cpp" line="+235"/>
        <source>stored</source>
        <translation>enregistré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the stored night&apos;s missing file was put back</source>
        <translation>le fichier manquant de la nuit enregistrée a été restauré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>already stored</source>
        <translation>déjà enregistré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>deleted before, it stays deleted</source>
        <translation>supprimé auparavant, il reste supprimé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the serial number cannot name a directory</source>
        <translation>le numéro de série ne peut pas servir de nom de dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file name is not a start time (yyyyMMddhhmmss)</source>
        <translation>le nom du fichier n&apos;est pas une heure de début (yyyyMMddhhmmss)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the branch code is empty or not the stored recorder&apos;s</source>
        <translation>le code de modèle est vide ou ne correspond pas à celui de l&apos;appareil enregistré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be read</source>
        <translation>le fichier est illisible</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a readable recording</source>
        <translation>enregistrement illisible</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be written into the data directory</source>
        <translation>le fichier ne peut pas être écrit dans le dossier de données</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the database did not take the record</source>
        <translation>la base de données a refusé l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../report/chartpainter.cpp" line="+166"/>
        <source>Oxygen Level(%)</source>
        <comment>venrik</comment>
        <translation>Niveau d&apos;oxygène (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2(%)</source>
        <translation>SpO2 (%)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Pulse Rate(/min)</source>
        <translation>Pouls (/min)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Ratio(%)</source>
        <translation>Proportion (%)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Oxygen Level%</source>
        <comment>venrik</comment>
        <translation>Niveau d&apos;oxygène %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2%</source>
        <translation>SpO2 %</translation>
    </message>
    <message>
        <location filename="../../report/reporthelper.cpp" line="+156"/>
        <source>Oxygen Level Report</source>
        <translation>Rapport d&apos;oxygène</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Report</source>
        <translation>Rapport de sommeil</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../report/textblockpainter.cpp" line="+68"/>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measurement Date:</source>
        <translation>Date de mesure&#xa0;:</translation>
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
        <translation>Inconnue</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Drops over 3%:</source>
        <translation>Désat. &gt; 3&#xa0;%&#xa0;:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drops over 4%:</source>
        <translation>Désat. &gt; 4&#xa0;%&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 times</source>
        <translation>%1 fois</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Drops per hour:</source>
        <translation>Désat. par heure&#xa0;:</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Time&lt;1h</source>
        <translation>Durée &lt; 1&#xa0;h</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Time:</source>
        <translation>Heure de début&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>End Time:</source>
        <translation>Heure de fin&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Duration:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;90% time:</source>
        <translation>Durée &lt; 90&#xa0;%&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>O2 Score:</source>
        <translation>Score O2&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../report/textblockpainter.cpp" line="+1"/>
        <source>ID#:</source>
        <translation>ID&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gender:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Height:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>Poids&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BMI:</source>
        <translation>IMC&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Physician:</source>
        <translation>Médecin&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Highest</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxygen Level:</source>
        <comment>venrik</comment>
        <translation>Oxygène :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2:</source>
        <translation>SpO2&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pulse Rate:</source>
        <translation>Pouls&#xa0;:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Oxygen level</source>
        <translation>Niveau d&apos;oxygène</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>%Total</source>
        <translation>%&#xa0;total</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>95%-100%</source>
        <translation>95-100&#xa0;%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>90%-94%</source>
        <translation>90-94&#xa0;%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;90%</source>
        <translation>&lt; 90&#xa0;%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pulse Rate</source>
        <translation>Pouls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;120 /min</source>
        <translation>&gt; 120 /min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>50-120 /min</source>
        <translation>50-120 /min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;50 /min</source>
        <translation>&lt; 50 /min</translation>
    </message>
</context>
<context>
    <name>SetDataDirDlg</name>
    <message>
        <location filename="../../app/dialogs/setdatadirdlg.ui" line="+14"/>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Select directory to save data:</source>
        <translation>Choisissez le dossier d&apos;enregistrement des données&#xa0;:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="+24"/>
        <source>Browser</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/datadiraccess.cpp" line="+73"/>
        <source>Permission denied</source>
        <translation>Autorisation refusée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges or reselect the directory</source>
        <translation>Veuillez relancer le logiciel avec les droits d&apos;administrateur ou choisir un autre dossier</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="-9"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../app/dialogs/settingdlg.ui" line="+14"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Default patient</source>
        <translation>Patient par défaut</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>Date de naissance&#xa0;:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>Unités&#xa0;:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>Impériales</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>Métriques</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Height:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>Poids&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Physician:</source>
        <translation>Médecin&#xa0;:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SpO2 range:</source>
        <translation>Plage SpO2&#xa0;:</translation>
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
        <translation>Plage du pouls&#xa0;:</translation>
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
        <translation>Emplacement des données</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Browser</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/settingdlg.cpp" line="+47"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Save in</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+28"/>
        <location line="+21"/>
        <location line="+9"/>
        <location line="+56"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>The language setting is successful, please restart the software to take effect</source>
        <translation>La langue a été modifiée. Veuillez redémarrer le logiciel pour appliquer ce changement.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Can not select subdirectory.</source>
        <translation>Impossible de sélectionner un sous-dossier du dossier de données actuel.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The selected directory already holds a database. Please select another directory.</source>
        <translation>Le dossier sélectionné contient déjà une base de données. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The database could not be opened in %1.</source>
        <translation>Impossible d&apos;ouvrir la base de données dans %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n file(s) could not be moved and stayed in %1.</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être déplacé et est resté dans %1.</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être déplacés et sont restés dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+1"/>
        <source>Please enter the correct birthday</source>
        <translation>Veuillez saisir une date de naissance valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>Veuillez saisir un poids valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>Veuillez saisir une taille valide</translation>
    </message>
</context>
<context>
    <name>SyncHelper</name>
    <message>
        <location filename="../../cloud/cloudaccount.cpp" line="+17"/>
        <source>Unknown err</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudwire.cpp" line="+91"/>
        <source>Host not found</source>
        <translation>Hôte introuvable</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>O2 Score</source>
        <translation>Score O2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drops over 4%</source>
        <translation>Désat. &gt; 4&#xa0;%</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lowest SpO2</source>
        <translation>SpO2 min.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.SpO2</source>
        <translation>SpO2 moy.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.PR</source>
        <translation>PR moy.</translation>
    </message>
    <message>
        <location filename="../../trend/trendwidget.cpp" line="+90"/>
        <source>Avg.O2</source>
        <translation>O2 moy.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg.PR</source>
        <comment>venrik</comment>
        <translation>PR moy.</translation>
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
        <translation>Alerte oxygène</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Reminder Switch</source>
        <translation>Alerte oxygène</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Threshold</source>
        <translation>Seuil d&apos;oxygène</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder</source>
        <translation>Alerte PR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder Switch</source>
        <translation>Alerte PR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low PR Threshold</source>
        <translation>Seuil PR bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High PR Threshold</source>
        <translation>Seuil PR haut</translation>
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
        <translation>Remarque</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mark:</source>
        <translation>Remarque&#xa0;:</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>venrik</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-59"/>
        <source>Oxgen Reminder</source>
        <translation>Alerte oxygène</translation>
    </message>
</context>
<context>
    <name>volome</name>
    <message>
        <location line="-11"/>
        <source>Lowest</source>
        <translation>Très faible</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High</source>
        <translation>Fort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highest</source>
        <translation>Très fort</translation>
    </message>
</context>
</TS>
