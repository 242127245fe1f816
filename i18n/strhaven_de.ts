<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArtText</name>
    <message>
        <source>F1 - Help</source>
        <translation>F1 - Hilfe</translation>
    </message>
    <message>
        <source>F5 - Insert $5</source>
        <translation>F5 - 5 $ einführen</translation>
    </message>
    <message>
        <source>F6 - Insert $10</source>
        <translation>F6 - 10 $ einführen</translation>
    </message>
    <message>
        <source>F7 - Insert $20</source>
        <translation>F7 - 20 $ einführen</translation>
    </message>
    <message>
        <source>F8 - Insert $50</source>
        <translation>F8 - 50 $ einführen</translation>
    </message>
    <message>
        <source>F9 - Insert $100</source>
        <translation>F9 - 100 $ einführen</translation>
    </message>
    <message>
        <source>Ctrl+N - New Game</source>
        <translation>Strg+N - Neues Spiel</translation>
    </message>
    <message>
        <source>Ctrl+O - Open Game</source>
        <translation>Strg+O - Spiel öffnen</translation>
    </message>
    <message>
        <source>Ctrl+S - Save Game</source>
        <translation>Strg+S - Spiel speichern</translation>
    </message>
    <message>
        <source>Ctrl+G - Game Statistics</source>
        <translation>Strg+G - Spielstatistik</translation>
    </message>
    <message>
        <source>Ctrl+H - Hide Payouts Panel</source>
        <translation>Strg+H - Gewinntabelle ausblenden</translation>
    </message>
    <message>
        <source>Ctrl+K - Shortcut Keys Dialog</source>
        <translation>Strg+K - Tastenkürzel</translation>
    </message>
    <message>
        <source>M or Alt+M - Play Max</source>
        <translation>M oder Alt+M - Einsatz Max</translation>
    </message>
    <message>
        <source>3 or Alt+3 - Play Max</source>
        <translation>3 oder Alt+3 - Einsatz Max</translation>
    </message>
    <message>
        <source>2 or Alt+2 - Play 2</source>
        <translation>2 oder Alt+2 - Einsatz 2</translation>
    </message>
    <message>
        <source>1 or Alt+1 - Play 1</source>
        <translation>1 oder Alt+1 - Einsatz 1</translation>
    </message>
    <message>
        <source>C or Alt+C - Cash Out</source>
        <translation>A oder Alt+A - Auszahlen</translation>
    </message>
    <message>
        <source>3 EMBLEMS</source>
        <translation>3 EMBLEME</translation>
    </message>
    <message>
        <source>ANY 3 EMBLEMS</source>
        <translation>3 BELIEBIGE EMBLEME</translation>
    </message>
    <message>
        <source>3 RED SEVENS</source>
        <translation>3 ROTE SIEBENEN</translation>
    </message>
    <message>
        <source>3 WHITE SEVENS</source>
        <translation>3 WEISSE SIEBENEN</translation>
    </message>
    <message>
        <source>ANY 3 SEVENS</source>
        <translation>3 BELIEBIGE SIEBENEN</translation>
    </message>
    <message>
        <source>3 TRIPLE BARS</source>
        <translation>3 DREIFACH-BARS</translation>
    </message>
    <message>
        <source>3 DOUBLE BARS</source>
        <translation>3 DOPPEL-BARS</translation>
    </message>
    <message>
        <source>3 SINGLE BARS</source>
        <translation>3 EINFACH-BARS</translation>
    </message>
    <message>
        <source>ANY 3 BARS</source>
        <translation>3 BELIEBIGE BARS</translation>
    </message>
    <message>
        <source>ANY 2 EMBLEMS</source>
        <translation>2 BELIEBIGE EMBLEME</translation>
    </message>
    <message>
        <source>ANY 1 EMBLEM</source>
        <translation>1 BELIEBIGES EMBLEM</translation>
    </message>
    <message>
        <source>COIN</source>
        <translation>CREDIT</translation>
    </message>
    <message>
        <source>COINS</source>
        <translation>CREDITS</translation>
    </message>
    <message>
        <source>PAYS</source>
        <translation>GEWINNE</translation>
    </message>
    <message>
        <source>Payline</source>
        <translation>Gewinnlinie</translation>
    </message>
    <message>
        <source>Insert Bills Here</source>
        <translation>Scheine einführen</translation>
    </message>
    <message>
        <source>$%1</source>
        <translation>$%1</translation>
    </message>
    <message>
        <source>5¢</source>
        <translation>5¢</translation>
    </message>
    <message>
        <source>10¢</source>
        <translation>10¢</translation>
    </message>
    <message>
        <source>25¢</source>
        <translation>25¢</translation>
    </message>
    <message>
        <source>50¢</source>
        <translation>50¢</translation>
    </message>
    <message>
        <source>$1</source>
        <translation>$1</translation>
    </message>
    <message>
        <source>%1¢</source>
        <translation>%1¢</translation>
    </message>
    <message>
        <source>Play &amp;1</source>
        <translation>Einsatz &amp;1</translation>
    </message>
    <message>
        <source>Play &amp;2</source>
        <translation>Einsatz &amp;2</translation>
    </message>
    <message>
        <source>Play &amp;Max</source>
        <translation>Einsatz &amp;Max</translation>
    </message>
    <message>
        <source>&amp;Cash Out</source>
        <translation>&amp;Auszahlen</translation>
    </message>
    <message>
        <source>$100</source>
        <translation>$100</translation>
    </message>
    <message>
        <source>For amusement only.</source>
        <translation>Nur zur Unterhaltung.</translation>
    </message>
    <message>
        <source>No real money is paid out.</source>
        <translation>Es wird kein Geld ausgezahlt.</translation>
    </message>
    <message>
        <source>WON</source>
        <translation>GEWINN</translation>
    </message>
    <message>
        <source>CREDITS</source>
        <translation>CREDITS</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>EINSATZ</translation>
    </message>
    <message>
        <source>ANY</source>
        <comment>before Emblems that may stand anywhere on the pay line</comment>
        <translation>BELIEBIG</translation>
    </message>
    <message>
        <source>ANY</source>
        <comment>before three mixed sevens or mixed bars</comment>
        <translation>BELIEBIG</translation>
    </message>
    <message>
        <source>F2 - Read Out Displays</source>
        <translation>F2 - Anzeigen vorlesen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: strhaven [GAME FILE]
       strhaven --help | --version

%1: a three-wheel slot machine. A game file (.shs) named on the
command line is opened at start; its path may hold blanks.

  --help     print this help and exit
  --version  print the version and exit

Settings: the file &quot;%1.ini&quot; in the user&apos;s config folder.
</source>
        <translation>Aufruf: strhaven [SPIELDATEI]
        strhaven --help | --version

%1: ein Spielautomat mit drei Walzen. Eine auf der Befehlszeile
genannte Spieldatei (.shs) wird beim Start geöffnet; ihr Pfad darf
Leerzeichen enthalten.

  --help     diese Hilfe ausgeben und beenden
  --version  die Version ausgeben und beenden

Einstellungen: die Datei „%1.ini“ im Konfigurationsordner des Benutzers.
</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Slot Machine</source>
        <translation>Spielautomat</translation>
    </message>
    <message>
        <source>A three-wheel slot machine, played for fun with play money</source>
        <translation>Ein Spielautomat mit drei Walzen, zum Vergnügen mit Spielgeld gespielt</translation>
    </message>
    <message>
        <source>slots;slot machine;casino;jackpot;</source>
        <translation>Slots;Spielautomat;Casino;Jackpot;Walzen;</translation>
    </message>
    <message>
        <source>Star Haven Virtual Slots Game File</source>
        <translation>Star Haven Virtual Slots – Spieldatei</translation>
    </message>
    <message>
        <source>The uninstall information may be corrupt. If you decide to uninstall %1 you may need to do it manually. The Readme.txt file has instructions.</source>
        <translation>Die Deinstallationsdaten sind möglicherweise beschädigt. Wenn Sie %1 deinstallieren möchten, müssen Sie es vielleicht von Hand tun. Die Liesmich-Datei (Readme) enthält eine Anleitung.</translation>
    </message>
    <message>
        <source>A three-wheel slot machine</source>
        <translation>Ein Spielautomat mit drei Walzen</translation>
    </message>
    <message>
        <source>Insert play bills, bet one, two or three credits and watch the three wheels stop one after another. The pay table is printed on the machine and pays exactly what it shows.</source>
        <translation>Führen Sie Spielgeldscheine ein, setzen Sie ein, zwei oder drei Credits und sehen Sie zu, wie die drei Walzen nacheinander anhalten. Die Gewinntabelle ist auf den Automaten gedruckt und zahlt genau das, was sie zeigt.</translation>
    </message>
    <message>
        <source>Choose the machine&apos;s denomination, one of three payout modes, the wheel speed and the sounds. Games are saved to and opened from small files.</source>
        <translation>Wählen Sie den Münzwert des Automaten, einen von drei Auszahlungsmodi, das Walzentempo und die Klänge. Spiele werden in kleinen Dateien gespeichert und daraus geöffnet.</translation>
    </message>
    <message>
        <source>There was an error registering the game extension, shs. You will not be able to select a game file from Explorer to start %1</source>
        <translation>Beim Registrieren der Spieldatei-Endung .shs ist ein Fehler aufgetreten. Sie können %1 nicht durch Auswählen einer Spieldatei im Dateimanager starten.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Bad file mode</source>
        <translation>Falscher Dateimodus</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Abbrechen wurde gewählt.</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>Error reading file.</source>
        <translation>Fehler beim Lesen der Datei.</translation>
    </message>
    <message>
        <source>Error writing file.</source>
        <translation>Fehler beim Schreiben der Datei.</translation>
    </message>
</context>
<context>
    <name>GameFileDialog</name>
    <message>
        <source>The folder %1 does not exist.
Check the path and try again.</source>
        <translation>Der Ordner %1 existiert nicht.
Prüfen Sie den Pfad und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Gaming Products Page</source>
        <translation>&amp;Spieleprodukte</translation>
    </message>
    <message>
        <source>Error accessing Gaming products page.</source>
        <translation>Fehler beim Öffnen der Seite mit den Spieleprodukten.</translation>
    </message>
    <message>
        <source>Quillfern &amp;Bookstore</source>
        <translation>Quillfern-&amp;Buchladen</translation>
    </message>
    <message>
        <source>Error accessing Bookstore.</source>
        <translation>Fehler beim Öffnen des Buchladens.</translation>
    </message>
    <message>
        <source>Quillfern &amp;Home Page</source>
        <translation>Quillfern-&amp;Homepage</translation>
    </message>
    <message>
        <source>Error accessing Home Page.</source>
        <translation>Fehler beim Öffnen der Homepage.</translation>
    </message>
    <message>
        <source>Access was denied. The file may be in use by another application.</source>
        <translation>Der Zugriff wurde verweigert. Die Datei wird vielleicht von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Not enough memory available.</source>
        <translation>Nicht genügend Arbeitsspeicher verfügbar.</translation>
    </message>
    <message>
        <source>A program association for text files could not be found.</source>
        <translation>Es wurde kein Programm gefunden, das Textdateien öffnet.</translation>
    </message>
    <message>
        <source>Error displaying Help.</source>
        <translation>Fehler beim Anzeigen der Hilfe.</translation>
    </message>
    <message>
        <source>Error displaying Keyboard Shortcuts</source>
        <translation>Fehler beim Anzeigen der Tastenkürzel</translation>
    </message>
    <message>
        <source>A program associated with text files could not be found.</source>
        <translation>Es wurde kein Programm für Textdateien gefunden.</translation>
    </message>
    <message>
        <source>The Readme.txt file could not be found.</source>
        <translation>Die Liesmich-Datei (Readme) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Error displaying About Box.</source>
        <translation>Fehler beim Anzeigen der Programminformationen.</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;Readme File</source>
        <translation>&amp;Liesmich-Datei</translation>
    </message>
    <message>
        <source>Quillfern on the &amp;Web</source>
        <translation>Quillfern im &amp;Web</translation>
    </message>
    <message>
        <source>&amp;About Star Haven...</source>
        <translation>&amp;Über Star Haven...</translation>
    </message>
</context>
<context>
    <name>MachineFace</name>
    <message>
        <source>Combination</source>
        <translation>Kombination</translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation>1 Credit</translation>
    </message>
    <message>
        <source>2 coins</source>
        <translation>2 Credits</translation>
    </message>
    <message>
        <source>3 coins</source>
        <translation>3 Credits</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Star Haven Virtual Slots is already running. Please check the Taskbar.</source>
        <translation>Star Haven Virtual Slots läuft bereits. Bitte sehen Sie in der Taskleiste nach.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved, because %1 cannot be written. You can play, but your options will not be remembered.</source>
        <translation>Ihre Einstellungen können nicht gespeichert werden, weil %1 nicht geschrieben werden kann. Sie können spielen, aber Ihre Optionen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Star Haven Virtual Slots seems to be running on another computer, %1, with the same settings. If it no longer runs there, it can start here.</source>
        <translation>Star Haven Virtual Slots scheint auf einem anderen Computer zu laufen, %1, mit denselben Einstellungen. Läuft es dort nicht mehr, kann es hier starten.</translation>
    </message>
    <message>
        <source>Do you want to start it anyway?</source>
        <translation>Möchten Sie es trotzdem starten?</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Game Files (*.shs)</source>
        <translation>Spieldateien (*.shs)</translation>
    </message>
</context>
<context>
    <name>RunStart</name>
    <message>
        <source>File not found or file is not a valid game file.</source>
        <translation>Datei nicht gefunden oder keine gültige Spieldatei.</translation>
    </message>
    <message>
        <source>When Star Haven Virtual Slots last closed, your game had changed and there was no chance to ask you about it, so it was kept for you.</source>
        <translation>Als Star Haven Virtual Slots zuletzt beendet wurde, war Ihr Spiel geändert, und es gab keine Gelegenheit, Sie danach zu fragen. Darum wurde es für Sie aufbewahrt.</translation>
    </message>
    <message>
        <source>When Star Haven Virtual Slots last closed, your game %1 had changed and there was no chance to ask you about it, so it was kept for you.</source>
        <translation>Als Star Haven Virtual Slots zuletzt beendet wurde, war Ihr Spiel %1 geändert, und es gab keine Gelegenheit, Sie danach zu fragen. Darum wurde es für Sie aufbewahrt.</translation>
    </message>
    <message>
        <source>Do you want to continue that game?</source>
        <translation>Möchten Sie dieses Spiel fortsetzen?</translation>
    </message>
    <message>
        <source>The game kept when Star Haven Virtual Slots last closed cannot be read. It was left as %1.</source>
        <translation>Das Spiel, das beim letzten Beenden von Star Haven Virtual Slots aufbewahrt wurde, kann nicht gelesen werden. Es bleibt unter %1.</translation>
    </message>
    <message>
        <source>The game kept when Star Haven Virtual Slots last closed cannot be read. It was put aside as %1.</source>
        <translation>Das Spiel, das beim letzten Beenden von Star Haven Virtual Slots aufbewahrt wurde, kann nicht gelesen werden. Es wurde als %1 beiseitegelegt.</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>[untitled]</source>
        <translation>[unbenannt]</translation>
    </message>
</context>
<context>
    <name>strhaven::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © Quillfern</source>
        <translation>Copyright © Quillfern</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Played for fun, never for money.</source>
        <translation>Zum Vergnügen gespielt, nie um Geld.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Program version %1</source>
        <translation>Version des Programms: %1</translation>
    </message>
</context>
<context>
    <name>strhaven::CashOutButtonDialog</name>
    <message>
        <source>Configure Cash Out Button</source>
        <translation>Auszahltaste einrichten</translation>
    </message>
    <message>
        <source>Cash Out Button...</source>
        <translation>Die Auszahltaste ...</translation>
    </message>
    <message>
        <source>...exits the game</source>
        <translation>... beendet das Programm</translation>
    </message>
    <message>
        <source>...starts a new game</source>
        <translation>... startet ein neues Spiel</translation>
    </message>
    <message>
        <source>Either way, show game stats first.</source>
        <translation>In beiden Fällen zuerst die Statistik zeigen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Note: If you use the Cash Out button, you will NOT be prompted to save the current game.</source>
        <translation>Hinweis: Mit der Auszahltaste werden Sie NICHT gefragt, ob das aktuelle Spiel gespeichert werden soll.</translation>
    </message>
</context>
<context>
    <name>strhaven::GameMenu</name>
    <message>
        <source>The current game has changed.</source>
        <translation>Das aktuelle Spiel wurde geändert.</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Möchten Sie das Spiel speichern?</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Error starting new game.</source>
        <translation>Fehler beim Starten eines neuen Spiels.</translation>
    </message>
    <message>
        <source>Error opening game.</source>
        <translation>Fehler beim Öffnen des Spiels.</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Not a valid Star Haven game file.</source>
        <translation>Keine gültige Star-Haven-Spieldatei.</translation>
    </message>
    <message>
        <source>Error saving game.</source>
        <translation>Fehler beim Speichern des Spiels.</translation>
    </message>
    <message>
        <source>Error saving new game.</source>
        <translation>Fehler beim Speichern des neuen Spiels.</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Spiel speichern unter</translation>
    </message>
</context>
<context>
    <name>strhaven::GameOptionsDialog</name>
    <message>
        <source>Fantasy</source>
        <translation>Fantasie</translation>
    </message>
    <message>
        <source>A good day</source>
        <translation>Ein guter Tag</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Realistisch</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>5 Cent</translation>
    </message>
    <message>
        <source>Dime</source>
        <translation>10 Cent</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>25 Cent</translation>
    </message>
    <message>
        <source>Half Dollar</source>
        <translation>50 Cent</translation>
    </message>
    <message>
        <source>Dollar</source>
        <translation>1 Dollar</translation>
    </message>
    <message>
        <source>Two Dollars</source>
        <translation>2 Dollar</translation>
    </message>
    <message>
        <source>Five Dollars</source>
        <translation>5 Dollar</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Load last game on startup.</source>
        <translation>Letztes Spiel beim Start laden.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Klangoptionen</translation>
    </message>
    <message>
        <source>Use Sound Effects</source>
        <translation>Klangeffekte verwenden</translation>
    </message>
    <message>
        <source>While wheels are spinning</source>
        <translation>Während die Walzen laufen</translation>
    </message>
    <message>
        <source>When coins go in or out</source>
        <translation>Beim Ein- und Auszahlen</translation>
    </message>
    <message>
        <source>When winning a Jack Pot</source>
        <translation>Beim Jackpot-Gewinn</translation>
    </message>
    <message>
        <source>Wheel Speed</source>
        <translation>Walzentempo</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>Payout Percentage</source>
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>From faster to slower</source>
        <translation>Von schneller bis langsamer</translation>
    </message>
    <message>
        <source>Wheel speed %1, fastest</source>
        <translation>Walzentempo %1, am schnellsten</translation>
    </message>
    <message>
        <source>Wheel speed %1, slowest</source>
        <translation>Walzentempo %1, am langsamsten</translation>
    </message>
    <message>
        <source>Wheel speed %1, middle</source>
        <translation>Walzentempo %1, mittel</translation>
    </message>
    <message>
        <source>Wheel speed %1, faster</source>
        <translation>Walzentempo %1, schneller</translation>
    </message>
    <message>
        <source>Wheel speed %1, slower</source>
        <translation>Walzentempo %1, langsamer</translation>
    </message>
</context>
<context>
    <name>strhaven::HelpWindow</name>
    <message>
        <source>Star Haven Virtual Slots Help</source>
        <translation>Star Haven Virtual Slots – Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Link: %1</translation>
    </message>
</context>
<context>
    <name>strhaven::MachineFace</name>
    <message>
        <source>Insert a $%1 bill</source>
        <translation>Einen %1-Dollar-Schein einführen</translation>
    </message>
    <message>
        <source>Pay line</source>
        <translation>Gewinnlinie</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Play Max</source>
        <translation>Einsatz Max</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Einsatz %1</translation>
    </message>
    <message>
        <source>Cash Out</source>
        <translation>Auszahlen</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leerfeld</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Emblem</translation>
    </message>
    <message>
        <source>Red Seven</source>
        <translation>Rote Sieben</translation>
    </message>
    <message>
        <source>Triple Bar</source>
        <translation>Dreifach-Bar</translation>
    </message>
    <message>
        <source>Double Bar</source>
        <translation>Doppel-Bar</translation>
    </message>
    <message>
        <source>White Seven</source>
        <translation>Weiße Sieben</translation>
    </message>
    <message>
        <source>Single Bar</source>
        <translation>Einfach-Bar</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>3 emblems</source>
        <translation>3 Embleme</translation>
    </message>
    <message>
        <source>Any 3 emblems</source>
        <translation>3 beliebige Embleme</translation>
    </message>
    <message>
        <source>3 red sevens</source>
        <translation>3 rote Siebenen</translation>
    </message>
    <message>
        <source>3 white sevens</source>
        <translation>3 weiße Siebenen</translation>
    </message>
    <message>
        <source>Any 3 sevens</source>
        <translation>3 beliebige Siebenen</translation>
    </message>
    <message>
        <source>3 triple bars</source>
        <translation>3 Dreifach-Bars</translation>
    </message>
    <message>
        <source>3 double bars</source>
        <translation>3 Doppel-Bars</translation>
    </message>
    <message>
        <source>3 single bars</source>
        <translation>3 Einfach-Bars</translation>
    </message>
    <message>
        <source>Any 3 bars</source>
        <translation>3 beliebige Bars</translation>
    </message>
    <message>
        <source>Any 2 emblems</source>
        <translation>2 beliebige Embleme</translation>
    </message>
    <message>
        <source>Any 1 emblem</source>
        <translation>1 beliebiges Emblem</translation>
    </message>
</context>
<context>
    <name>strhaven::MachineOperator</name>
    <message>
        <source>You need to Insert Bills first.</source>
        <translation>Bitte führen Sie zuerst Geldscheine ein.</translation>
    </message>
    <message>
        <source>You need to Insert Bills or play fewer credits this spin.</source>
        <translation>Bitte führen Sie Geldscheine ein oder setzen Sie bei dieser Drehung weniger Credits.</translation>
    </message>
    <message>
        <source>Error Calculating Winnings</source>
        <translation>Fehler beim Berechnen des Gewinns</translation>
    </message>
    <message>
        <source>Error Spinning Wheels</source>
        <translation>Fehler beim Drehen der Walzen</translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation>Credits %1</translation>
    </message>
    <message>
        <source>%1: won nothing. Credits %2.</source>
        <translation>%1: nichts gewonnen. Credits %2.</translation>
    </message>
    <message>
        <source>%1: %2, won %3. Credits %4.</source>
        <translation>%1: %2, %3 gewonnen. Credits %4.</translation>
    </message>
    <message>
        <source>Credits %1, won %2, bet %3. Pay line: %4.</source>
        <translation>Credits %1, Gewinn %2, Einsatz %3. Gewinnlinie: %4.</translation>
    </message>
</context>
<context>
    <name>strhaven::MachineWindow</name>
    <message>
        <source>Error Loading Program</source>
        <translation>Fehler beim Laden des Programms</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>Save Game &amp;As</source>
        <translation>Spiel speichern &amp;unter</translation>
    </message>
    <message>
        <source>Current &amp;Games Statistics</source>
        <translation>Spielsta&amp;tistik</translation>
    </message>
    <message>
        <source>Error displaying statistics.</source>
        <translation>Fehler beim Anzeigen der Statistik.</translation>
    </message>
    <message>
        <source>Game O&amp;ptions</source>
        <translation>Spiel&amp;optionen</translation>
    </message>
    <message>
        <source>Error setting options.</source>
        <translation>Fehler beim Festlegen der Optionen.</translation>
    </message>
    <message>
        <source>&amp;Configure Cash Out Button</source>
        <translation>&amp;Auszahltaste einrichten</translation>
    </message>
    <message>
        <source>Error configuring button</source>
        <translation>Fehler beim Einrichten der Taste</translation>
    </message>
    <message>
        <source>&amp;Hide Payouts Panel</source>
        <translation>&amp;Gewinntabelle ausblenden</translation>
    </message>
    <message>
        <source>Error hiding panel.</source>
        <translation>Fehler beim Ausblenden der Tabelle.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Error exiting.</source>
        <translation>Fehler beim Beenden.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Error saving settings.</source>
        <translation>Fehler beim Speichern der Einstellungen.</translation>
    </message>
    <message>
        <source>Payouts panel hidden</source>
        <translation>Gewinntabelle ausgeblendet</translation>
    </message>
    <message>
        <source>Payouts panel shown</source>
        <translation>Gewinntabelle eingeblendet</translation>
    </message>
</context>
<context>
    <name>strhaven::RunEnd</name>
    <message>
        <source>Unloading</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>strhaven::ShortcutChart</name>
    <message>
        <source>Shortcut Keys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>strhaven::StatisticsDialog</name>
    <message>
        <source>Number of Spins:</source>
        <translation>Anzahl der Drehungen:</translation>
    </message>
    <message>
        <source>Amount inserted:</source>
        <translation>Eingezahlter Betrag:</translation>
    </message>
    <message>
        <source>Cash Out Value:</source>
        <translation>Auszahlungswert:</translation>
    </message>
    <message>
        <source>You are down:</source>
        <translation>Im Minus:</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>Gesetzte Credits:</translation>
    </message>
    <message>
        <source>Credits won:</source>
        <translation>Gewonnene Credits:</translation>
    </message>
    <message>
        <source>Percent of return:</source>
        <translation>Gewinnquote:</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>You are ahead:</source>
        <translation>Im Plus:</translation>
    </message>
    <message>
        <source>You are even:</source>
        <translation>Ausgeglichen:</translation>
    </message>
    <message>
        <source>$%1</source>
        <comment>an amount of money</comment>
        <translation>%1 $</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation>%1 %</translation>
    </message>
</context>
</TS>
