<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Downloads videos, audio tracks and playlists with yt-dlp.</source>
        <translation>Lädt Videos, Tonspuren und Wiedergabelisten mit yt-dlp herunter.</translation>
    </message>
    <message>
        <source>links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Links to put into the link field, ready to download.</source>
        <translation>Links, die in das Feld „Video-URL“ eingetragen werden, bereit zum Herunterladen.</translation>
    </message>
    <message>
        <source>[links...]</source>
        <translation>[Links …]</translation>
    </message>
</context>
<context>
    <name>CookieChoice</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Cookies from</source>
        <translation>Cookies aus</translation>
    </message>
    <message>
        <source>yt-dlp reads the cookies of the browser chosen here for each download, as its option --cookies-from-browser does; Kavari keeps no copy of them. A site may suspend an account that is used this way.</source>
        <translation>yt-dlp liest bei jedem Download die Cookies des hier gewählten Browsers, wie mit seiner Option --cookies-from-browser; Kavari speichert keine Kopie davon. Eine Website kann ein Konto sperren, das auf diese Weise genutzt wird.</translation>
    </message>
    <message>
        <source>The %1 profile %2 is gone; this run goes without cookies.</source>
        <translation>Das Profil %2 von %1 ist nicht mehr vorhanden; dieser Download erfolgt ohne Cookies.</translation>
    </message>
    <message>
        <source>sign in to YouTube in a browser first, then retry</source>
        <translation>Melden Sie sich zuerst in einem Browser bei YouTube an und wiederholen Sie dann den Download</translation>
    </message>
    <message>
        <source>sign in to YouTube in %1, then retry</source>
        <translation>Melden Sie sich in %1 bei YouTube an und wiederholen Sie dann den Download</translation>
    </message>
    <message>
        <source>choose a browser where you are signed in under &quot;Cookies from&quot;</source>
        <translation>Wählen Sie unter „Cookies aus“ einen Browser, in dem Sie angemeldet sind</translation>
    </message>
</context>
<context>
    <name>DenoRelease</name>
    <message>
        <source>deno makes no release for this machine (%1)</source>
        <translation>deno veröffentlicht keine Version für diesen Rechner (%1)</translation>
    </message>
    <message>
        <source>Updating deno</source>
        <translation>Aktualisieren von deno</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.deno/bin where a download would look for it</source>
        <translation>HOME ist „%1“, kein vollständiger Pfad, daher gibt es kein ~/.deno/bin, in dem ein Download nach deno suchen würde</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lesen von %1</translation>
    </message>
    <message>
        <source>it gives no checksum of %1</source>
        <translation>die Datei enthält keine Prüfsumme für %1</translation>
    </message>
    <message>
        <source>Checking the checksum of %1</source>
        <translation>Abgleichen der Prüfsumme von %1</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but %2 says %3</source>
        <translation>der SHA-256-Wert der Datei ist %1, aber %2 nennt %3</translation>
    </message>
    <message>
        <source>Checksum of %1: its SHA-256 matches %2</source>
        <translation>Prüfsumme von %1: der SHA-256-Wert stimmt mit %2 überein</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>Herunterladen von %1</translation>
    </message>
    <message>
        <source>Extracting deno</source>
        <translation>Entpacken von deno</translation>
    </message>
    <message>
        <source>Extracting deno to %1</source>
        <translation>deno wird nach %1 entpackt</translation>
    </message>
    <message>
        <source>it is more than the 512 MiB it may be</source>
        <translation>entpackt ist deno größer als die erlaubten 512 MiB</translation>
    </message>
    <message>
        <source>it printed no version</source>
        <translation>es gab keine Versionsnummer aus</translation>
    </message>
    <message>
        <source>it is %1, older than %2</source>
        <translation>es ist Version %1, älter als %2</translation>
    </message>
    <message>
        <source>New deno: %1</source>
        <translation>Neues deno: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kavari</source>
        <translation>Kavari anzeigen</translation>
    </message>
    <message>
        <source>%1
into %2</source>
        <translation>%1
nach %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more
into %2</source>
        <translation>
            <numerusform>%1 und %Ln weiterer Link
nach %2</numerusform>
            <numerusform>%1 und %Ln weitere Links
nach %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>yt-dlp at %1</source>
        <translation>yt-dlp unter %1</translation>
    </message>
    <message>
        <source>yt-dlp %1 at %2</source>
        <translation>yt-dlp %1 unter %2</translation>
    </message>
    <message>
        <source>Update it with: %1</source>
        <translation>Aktualisieren Sie es mit: %1</translation>
    </message>
    <message>
        <source>It is your system&apos;s copy, which cannot update itself. Install the current one for yourself, which Kavari then finds in ~/.local/bin: %1</source>
        <translation>Dies ist das yt-dlp des Systems, das sich nicht selbst aktualisieren kann. Installieren Sie die aktuelle Version für Ihr eigenes Benutzerkonto; Kavari findet sie dann in ~/.local/bin: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>Das aktuelle yt-dlp benötigt für YouTube die JavaScript-Laufzeitumgebung deno, die nicht gefunden wurde. Installieren Sie sie mit: %1</translation>
    </message>
    <message>
        <source>This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>Dieses yt-dlp benötigt für YouTube die JavaScript-Laufzeitumgebung deno, die nicht gefunden wurde. Installieren Sie sie mit: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>Das aktuelle yt-dlp benötigt für YouTube deno %1 oder neuer, und das deno unter %2 ist älter. Installieren Sie es mit: %3</translation>
    </message>
    <message>
        <source>This yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>Dieses yt-dlp benötigt für YouTube deno %1 oder neuer, und das deno unter %2 ist älter. Installieren Sie es mit: %3</translation>
    </message>
    <message>
        <source>This format needs ffmpeg, and none was found. Install it with: %1</source>
        <translation>Dieses Format benötigt ffmpeg, das nicht gefunden wurde. Installieren Sie es mit: %1</translation>
    </message>
    <message>
        <source>its first line names the interpreter %1, which is missing (%2)</source>
        <translation>seine erste Zeile nennt den Interpreter %1, der fehlt (%2)</translation>
    </message>
    <message>
        <source>. Python was probably upgraded; reinstall it with: %1</source>
        <translation>. Python wurde wahrscheinlich aktualisiert; installieren Sie yt-dlp neu mit: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>This yt-dlp is %Ln days old. Sites such as YouTube change often, and an old yt-dlp stops working with them.</source>
        <translation>
            <numerusform>Dieses yt-dlp ist %Ln Tag alt. Websites wie YouTube ändern sich oft, und ein altes yt-dlp funktioniert dann nicht mehr mit ihnen.</numerusform>
            <numerusform>Dieses yt-dlp ist %Ln Tage alt. Websites wie YouTube ändern sich oft, und ein altes yt-dlp funktioniert dann nicht mehr mit ihnen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureCauses</name>
    <message>
        <source>YouTube wants this connection to prove that a person is behind it; a browser where you are signed in to YouTube usually passes: %1.</source>
        <translation>YouTube verlangt von dieser Verbindung einen Nachweis, dass ein Mensch dahintersteht; ein Browser, in dem Sie bei YouTube angemeldet sind, besteht diese Prüfung meistens: %1.</translation>
    </message>
    <message>
        <source>Only a signed-in, age-verified account may watch this video: %1.</source>
        <translation>Nur wer mit einem Konto mit bestätigtem Alter angemeldet ist, darf dieses Video ansehen: %1.</translation>
    </message>
    <message>
        <source>Only accounts with access may watch this video, which is private or for the channel&apos;s members: %1.</source>
        <translation>Dieses Video ist privat oder den Mitgliedern des Kanals vorbehalten; nur Konten mit Zugriff dürfen es ansehen: %1.</translation>
    </message>
    <message>
        <source>The site limits how many videos one connection may fetch (YouTube: about 300 an hour without an account). Wait up to an hour, or retry with pauses between the videos.</source>
        <translation>Die Website begrenzt, wie viele Videos eine Verbindung abrufen darf (YouTube: etwa 300 pro Stunde ohne Konto). Warten Sie bis zu einer Stunde oder wiederholen Sie den Download mit Pausen zwischen den Videos.</translation>
    </message>
    <message>
        <source>The video is not available where this connection is.</source>
        <translation>Das Video ist am Standort dieser Verbindung nicht verfügbar.</translation>
    </message>
    <message>
        <source>The video is gone, or was never public.</source>
        <translation>Das Video wurde entfernt oder war nie öffentlich.</translation>
    </message>
    <message>
        <source>YouTube&apos;s player needs the JavaScript runtime deno, and yt-dlp found none it could use.</source>
        <translation>Der Player von YouTube benötigt die JavaScript-Laufzeitumgebung deno, und yt-dlp hat keine nutzbare gefunden.</translation>
    </message>
    <message>
        <source>The site refused the file itself (HTTP 403); most often yt-dlp is older than the site&apos;s last change.</source>
        <translation>Die Website hat den Zugriff auf die Datei selbst verweigert (HTTP 403); meistens ist yt-dlp älter als die letzte Änderung der Website.</translation>
    </message>
    <message>
        <source>The disk of the output folder is full: %1 left in %2.</source>
        <translation>Der Datenträger des Ausgabeordners ist voll: nur noch %1 frei in %2.</translation>
    </message>
    <message>
        <source>Kavari&apos;s user may not write to %1: it was refused %2. Choose another output directory.</source>
        <translation>Das Benutzerkonto, unter dem Kavari läuft, darf nicht in %1 schreiben: Der Zugriff auf %2 wurde verweigert. Wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
    <message>
        <source>yt-dlp knows no way to read that page: check the link.</source>
        <translation>yt-dlp kann diese Seite nicht lesen: Prüfen Sie den Link.</translation>
    </message>
    <message>
        <source>There is no connection to the site: check that this computer is online.</source>
        <translation>Es besteht keine Verbindung zur Website: Prüfen Sie, ob dieser Rechner online ist.</translation>
    </message>
    <message>
        <source>yt-dlp could not read the browser&apos;s cookies, which its keyring guards. Install what reads it with: %1</source>
        <translation>yt-dlp konnte die Cookies des Browsers nicht lesen, da sein Schlüsselbund sie schützt. Installieren Sie, was zum Lesen des Schlüsselbunds nötig ist, mit: %1</translation>
    </message>
    <message>
        <source>The link leads nowhere: check it.</source>
        <translation>Der Link führt ins Leere: Prüfen Sie ihn.</translation>
    </message>
    <message>
        <source>This yt-dlp does not know the keyring that guards the browser&apos;s cookies on this desktop; the current yt-dlp does, so updating it mends this.</source>
        <translation>Dieses yt-dlp kennt den Schlüsselbund nicht, der in dieser Arbeitsumgebung die Cookies des Browsers schützt; das aktuelle yt-dlp kennt ihn, daher behebt eine Aktualisierung das Problem.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the videos: %1</source>
        <translation>
            <numerusform>%Ln der Videos: %1</numerusform>
            <numerusform>%Ln der Videos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %Ln links: %2</source>
        <translation>
            <numerusform>%1 von %Ln Link: %2</numerusform>
            <numerusform>%1 von %Ln Links: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message>
        <source>it had not come whole after %1 s</source>
        <translation>die Datei war nach %1 s noch nicht vollständig übertragen</translation>
    </message>
    <message>
        <source>it had not come whole after %1 minutes</source>
        <translation>die Datei war nach %1 Minuten noch nicht vollständig übertragen</translation>
    </message>
    <message>
        <source>Kavari fetches only over https, and %1 is not</source>
        <translation>Kavari lädt nur über https herunter, und %1 ist keine https-Adresse</translation>
    </message>
    <message>
        <source>it was sent on to %1, which is not https</source>
        <translation>die Anfrage wurde an %1 weitergeleitet, eine Adresse ohne https</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB it may be</source>
        <translation>die Datei ist %1 MiB groß, mehr als die erlaubten %2 MiB</translation>
    </message>
    <message>
        <source>it is more than the %1 MiB it may be</source>
        <translation>die Datei ist größer als die erlaubten %1 MiB</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>it was sent on more than %1 times</source>
        <translation>die Anfrage wurde mehr als %1-mal weitergeleitet</translation>
    </message>
    <message>
        <source>the server answered %1 %2 instead of the file</source>
        <translation>der Server antwortete mit %1 %2 statt mit der Datei</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 of %2 bytes</source>
        <translation>die Übertragung brach nach %1 von %2 Bytes vorzeitig ab</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>der Server antwortete mit %1 %2</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved; is this computer online?</source>
        <translation>der Name %1 konnte nicht aufgelöst werden; ist dieser Rechner online?</translation>
    </message>
    <message>
        <source>nothing came for %1 s</source>
        <translation>%1 s lang kamen keine Daten an</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 bytes</source>
        <translation>die Übertragung brach nach %1 Bytes vorzeitig ab</translation>
    </message>
</context>
<context>
    <name>KavariWindow</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please enter a URL</source>
        <translation>Bitte geben Sie eine URL ein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>Befehl: %1</translation>
    </message>
    <message>
        <source>the previous download has not ended yet</source>
        <translation>der vorherige Download ist noch nicht beendet</translation>
    </message>
    <message>
        <source>no program of that name in %1</source>
        <translation>kein Programm dieses Namens in %1</translation>
    </message>
    <message>
        <source>
--- Download cancelled by user ---</source>
        <translation>
--- Download vom Benutzer abgebrochen ---</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>
✓ Download completed successfully!</source>
        <translation>
✓ Download erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>
✗ Download failed or was cancelled</source>
        <translation>
✗ Download fehlgeschlagen oder abgebrochen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>
✗ yt-dlp could not be started: %1</source>
        <translation>
✗ yt-dlp konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Ausgabeordner auswählen</translation>
    </message>
    <message>
        <source>Please select an output directory</source>
        <translation>Bitte wählen Sie einen Ausgabeordner aus</translation>
    </message>
    <message>
        <source>Please enter the output directory as a full path</source>
        <translation>Bitte geben Sie den Ausgabeordner als vollständigen Pfad ein</translation>
    </message>
    <message>
        <source>yt-dlp would load whatever is downloaded into this folder as a plugin at its next start. Please choose another output directory.</source>
        <translation>yt-dlp würde alles, was in diesen Ordner heruntergeladen wird, beim nächsten Start als Plugin laden. Bitte wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
    <message>
        <source>
✗ Removed %1: yt-dlp would have read this downloaded file as its configuration at its next start, and obeyed whatever options it holds.</source>
        <translation>
✗ %1 entfernt: yt-dlp hätte diese heruntergeladene Datei beim nächsten Start als seine Konfiguration gelesen und alle darin enthaltenen Optionen befolgt.</translation>
    </message>
    <message>
        <source>%1, cookies from %2</source>
        <translation>%1, Cookies aus %2</translation>
    </message>
    <message>
        <source>Mode: Single video download</source>
        <translation>Modus: Download eines einzelnen Videos</translation>
    </message>
    <message>
        <source>Mode: Full playlist download</source>
        <translation>Modus: Download der ganzen Wiedergabeliste</translation>
    </message>
    <message>
        <source>Mode: Single file download (playlist ignored)</source>
        <translation>Modus: Download einer einzelnen Datei (Wiedergabeliste ignoriert)</translation>
    </message>
    <message>
        <source>Kavari - By Tolmend</source>
        <translation>Kavari – von Tolmend</translation>
    </message>
    <message>
        <source>Video URL</source>
        <translation>Video-URL</translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation>YouTube-URL hier einfügen …</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Formatoptionen</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>MP3 (Audio)</source>
        <translation>MP3 (Audio)</translation>
    </message>
    <message>
        <source>M4A (Audio)</source>
        <translation>M4A (Audio)</translation>
    </message>
    <message>
        <source>Best Video + Audio</source>
        <translation>Bestes Video + Audio</translation>
    </message>
    <message>
        <source>720p Video</source>
        <translation>720p-Video</translation>
    </message>
    <message>
        <source>1080p Video</source>
        <translation>1080p-Video</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Audioqualität:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>High (192k)</source>
        <translation>Hoch (192k)</translation>
    </message>
    <message>
        <source>Medium (128k)</source>
        <translation>Mittel (128k)</translation>
    </message>
    <message>
        <source>Low (64k)</source>
        <translation>Niedrig (64k)</translation>
    </message>
    <message>
        <source>Download entire playlist</source>
        <translation>Ganze Wiedergabeliste herunterladen</translation>
    </message>
    <message>
        <source>Cookies from:</source>
        <translation>Cookies aus:</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <source>Update yt-dlp</source>
        <translation>yt-dlp aktualisieren</translation>
    </message>
    <message>
        <source>Output Log</source>
        <translation>Ausgabeprotokoll</translation>
    </message>
    <message>
        <source>Removed %1: the download was stopped while yt-dlp was still writing it.</source>
        <translation>%1 entfernt: Der Download wurde abgebrochen, während yt-dlp die Datei noch schrieb.</translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, playlists whole</source>
        <translation>
            <numerusform>Modus: %Ln Link, Wiedergabelisten vollständig</numerusform>
            <numerusform>Modus: %Ln Links, Wiedergabelisten vollständig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, one video each</source>
        <translation>
            <numerusform>Modus: %Ln Link, je ein Video</numerusform>
            <numerusform>Modus: %Ln Links, je ein Video</numerusform>
        </translation>
    </message>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s text: %p is the percent done</comment>
        <translation>%p&#xa0;%</translation>
    </message>
</context>
<context>
    <name>OutputQueue</name>
    <message>
        <source>… %1 more characters not shown</source>
        <translation>… %1 weitere Zeichen nicht angezeigt</translation>
    </message>
    <message numerus="yes">
        <source>… %Ln lines not shown: they came faster than the log could show them</source>
        <translation>
            <numerusform>… %Ln Zeile nicht angezeigt: Sie kam schneller, als das Protokoll sie anzeigen konnte</numerusform>
            <numerusform>… %Ln Zeilen nicht angezeigt: Sie kamen schneller, als das Protokoll sie anzeigen konnte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReleaseFiles</name>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is not a full path</source>
        <translation>der in KAVARI_YTDLP_KEYRING genannte Schlüsselbund %1 ist kein vollständiger Pfad</translation>
    </message>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is missing</source>
        <translation>der in KAVARI_YTDLP_KEYRING genannte Schlüsselbund %1 fehlt</translation>
    </message>
    <message>
        <source>the keyring %1 is missing; reinstall Kavari</source>
        <translation>der Schlüsselbund %1 fehlt; installieren Sie Kavari neu</translation>
    </message>
    <message>
        <source>the keyring %1 is not a file</source>
        <translation>der Schlüsselbund %1 ist keine Datei</translation>
    </message>
    <message>
        <source>the keyring %1 cannot be read</source>
        <translation>der Schlüsselbund %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is signed by another key (%1), not by yt-dlp&apos;s release key</source>
        <translation>die Datei ist mit einem anderen Schlüssel (%1) signiert, nicht mit dem Veröffentlichungsschlüssel von yt-dlp</translation>
    </message>
    <message>
        <source>the signature does not match the file: it was changed after it was signed</source>
        <translation>die Signatur passt nicht zur Datei: sie wurde nach dem Signieren verändert</translation>
    </message>
    <message>
        <source>it is signed by a revoked key, which proves nothing any more</source>
        <translation>die Datei ist mit einem widerrufenen Schlüssel signiert, der nichts mehr beweist</translation>
    </message>
    <message>
        <source>it is signed by an expired key</source>
        <translation>die Datei ist mit einem abgelaufenen Schlüssel signiert</translation>
    </message>
    <message>
        <source>the signature has expired</source>
        <translation>die Signatur ist abgelaufen</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>die Signatur konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>gpgv gave no verdict</source>
        <translation>gpgv lieferte kein Ergebnis</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.local/bin where a download would look for it. Log in again, or set HOME to your home folder, and try once more</source>
        <translation>HOME ist „%1“, kein vollständiger Pfad, daher gibt es kein ~/.local/bin, in dem ein Download nach yt-dlp suchen würde. Melden Sie sich erneut an oder setzen Sie HOME auf Ihren persönlichen Ordner und versuchen Sie es noch einmal</translation>
    </message>
    <message>
        <source>%1 is a link to %2</source>
        <translation>%1 ist eine symbolische Verknüpfung auf %2</translation>
    </message>
    <message>
        <source>%1 is not yt-dlp&apos;s release file but another install</source>
        <translation>%1 ist nicht die veröffentlichte Programmdatei von yt-dlp, sondern eine andere Installation</translation>
    </message>
    <message>
        <source>the tool that installed it, such as: %1</source>
        <translation>dem Werkzeug, mit dem es installiert wurde, etwa: %1</translation>
    </message>
    <message>
        <source>%1, and Kavari leaves it as it is. Update it with %2</source>
        <translation>%1, und Kavari verändert daran nichts. Aktualisieren Sie yt-dlp mit %2</translation>
    </message>
</context>
<context>
    <name>ReleaseJob</name>
    <message>
        <source>Fetching %1 from %2</source>
        <translation>%1 wird von %2 heruntergeladen</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>Herunterladen von %1</translation>
    </message>
    <message>
        <source>Making a work folder</source>
        <translation>Anlegen eines Arbeitsordners</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>in %1 kann nichts geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Schreiben von %1</translation>
    </message>
    <message>
        <source>Installing %1</source>
        <translation>Installieren von %1</translation>
    </message>
    <message>
        <source>Checking the new %1</source>
        <translation>Prüfen des neuen %1</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 installiert</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>RetryOffer</name>
    <message>
        <source>Retry with cookies from %1</source>
        <translation>Mit Cookies aus %1 wiederholen</translation>
    </message>
    <message>
        <source>Retry, pausing between videos</source>
        <translation>Mit Pausen zwischen Videos wiederholen</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message numerus="yes">
        <source>… %Ln earlier lines not kept</source>
        <translation>
            <numerusform>… %Ln ältere Zeile nicht aufbewahrt</numerusform>
            <numerusform>… %Ln ältere Zeilen nicht aufbewahrt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSandbox</name>
    <message>
        <source>no working folder could be made in %1: %2</source>
        <translation>in %1 konnte kein Arbeitsordner angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>Ihr Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the folder %1 could not be made: %2</source>
        <translation>der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>in %1 kann nichts geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it could not be written to %1: %2</source>
        <translation>die Datei konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it could not be made executable: %1</source>
        <translation>die Datei konnte nicht ausführbar gemacht werden: %1</translation>
    </message>
    <message>
        <source>it could not be put in place of %1: %2</source>
        <translation>die Datei konnte %1 nicht ersetzen: %2</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The Download button now reads Cancel</source>
        <translation>Der Knopf „Herunterladen“ heißt jetzt „Abbrechen“</translation>
    </message>
</context>
<context>
    <name>UpdateOffer</name>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp and deno, checked before they run.</source>
        <translation>Klicken Sie auf „yt-dlp aktualisieren“, um die aktuellen Versionen von yt-dlp und deno herunterzuladen; sie werden vor ihrem ersten Start geprüft.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp, checked before it runs.</source>
        <translation>Klicken Sie auf „yt-dlp aktualisieren“, um die aktuelle Version von yt-dlp herunterzuladen; sie wird vor ihrem ersten Start geprüft.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current deno, checked before it runs.</source>
        <translation>Klicken Sie auf „yt-dlp aktualisieren“, um die aktuelle Version von deno herunterzuladen; sie wird vor ihrem ersten Start geprüft.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Updating yt-dlp...</source>
        <translation>yt-dlp wird aktualisiert …</translation>
    </message>
    <message>
        <source>
Click Download to try again.</source>
        <translation>
Klicken Sie auf „Herunterladen“, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>
✗ %1</source>
        <translation>
✗ %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aktualisiert</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>
--- Update cancelled by user ---</source>
        <translation>
--- Aktualisierung vom Benutzer abgebrochen ---</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Aktualisierung abgebrochen</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>%1; deno is left out</source>
        <translation>%1; deno wird übersprungen</translation>
    </message>
</context>
<context>
    <name>YtDlpRelease</name>
    <message>
        <source>Updating yt-dlp</source>
        <translation>Aktualisieren von yt-dlp</translation>
    </message>
    <message>
        <source>Upgrading yt-dlp with pipx</source>
        <translation>Aktualisieren von yt-dlp mit pipx</translation>
    </message>
    <message>
        <source>no pipx was found; install it with: %1</source>
        <translation>pipx wurde nicht gefunden; installieren Sie es mit: %1</translation>
    </message>
    <message>
        <source>yt-dlp is pipx&apos;s; running: %1</source>
        <translation>yt-dlp wird von pipx verwaltet; ausgeführt wird: %1</translation>
    </message>
    <message>
        <source>pipx ended with exit code %1</source>
        <translation>pipx wurde mit dem Exit-Code %1 beendet</translation>
    </message>
    <message>
        <source>Checking the signature of SHA2-256SUMS</source>
        <translation>Prüfen der Signatur von SHA2-256SUMS</translation>
    </message>
    <message>
        <source>gpgv was not found; install it with: %1</source>
        <translation>gpgv wurde nicht gefunden; installieren Sie es mit: %1</translation>
    </message>
    <message>
        <source>Signature of SHA2-256SUMS: good, by the key %1 of %2</source>
        <translation>Signatur von SHA2-256SUMS: gültig, mit dem Schlüssel %1 aus %2</translation>
    </message>
    <message>
        <source>Reading SHA2-256SUMS</source>
        <translation>Lesen von SHA2-256SUMS</translation>
    </message>
    <message>
        <source>it gives no checksum of yt-dlp</source>
        <translation>die Datei enthält keine Prüfsumme für yt-dlp</translation>
    </message>
    <message>
        <source>Checksum of yt-dlp: its SHA-256 matches SHA2-256SUMS</source>
        <translation>Prüfsumme von yt-dlp: der SHA-256-Wert stimmt mit SHA2-256SUMS überein</translation>
    </message>
    <message>
        <source>The checksum of yt-dlp does not match SHA2-256SUMS; fetching the release once more</source>
        <translation>Die Prüfsumme von yt-dlp stimmt nicht mit SHA2-256SUMS überein; die Veröffentlichung wird erneut heruntergeladen</translation>
    </message>
    <message>
        <source>Checking the checksum of yt-dlp</source>
        <translation>Abgleichen der Prüfsumme von yt-dlp</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but SHA2-256SUMS says %2</source>
        <translation>der SHA-256-Wert der Datei ist %1, aber SHA2-256SUMS nennt %2</translation>
    </message>
    <message>
        <source>it printed no version; it needs Python 3.10 or newer as python3</source>
        <translation>es gab keine Versionsnummer aus; es benötigt Python 3.10 oder neuer, aufrufbar als python3</translation>
    </message>
    <message>
        <source>the release offers nothing newer than %1</source>
        <translation>die Veröffentlichung bietet nichts Neueres als %1</translation>
    </message>
    <message>
        <source>New yt-dlp: %1 (was %2)</source>
        <translation>Neues yt-dlp: %1 (bisher %2)</translation>
    </message>
</context>
<context>
    <name>ZipEntry</name>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>das Archiv ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>the archive holds no file %1</source>
        <translation>das Archiv enthält keine Datei %1</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
</TS>
