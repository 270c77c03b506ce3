<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CookieChoice</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cookies from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp reads the cookies of the browser chosen here for each download, as its option --cookies-from-browser does; Kavari keeps no copy of them. A site may suspend an account that is used this way.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DenoRelease</name>
    <message>
        <source>deno makes no release for this machine (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating deno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.deno/bin where a download would look for it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it gives no checksum of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the checksum of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but %2 says %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum of %1: its SHA-256 matches %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting deno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting deno to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is more than the 512 MiB it may be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it printed no version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1, older than %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New deno: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kavari</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more
into %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1
into %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>yt-dlp at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update it with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>This yt-dlp is %n days old. Sites such as YouTube change often, and an old yt-dlp stops working with them.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>It is your system&apos;s copy, which cannot update itself. Install the current one for yourself, which Kavari then finds in ~/.local/bin: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This format needs ffmpeg, and none was found. Install it with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first line names the interpreter %1, which is missing (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Python was probably upgraded; reinstall it with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FailureCauses</name>
    <message>
        <source>choose a browser where you are signed in under &quot;Cookies from&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YouTube wants this connection to prove that a person is behind it; a browser where you are signed in to YouTube usually passes: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a signed-in, age-verified account may watch this video: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only accounts with access may watch this video, which is private or for the channel&apos;s members: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site limits how many videos one connection may fetch (YouTube: about 300 an hour without an account). Wait up to an hour, or retry with pauses between the videos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video is not available where this connection is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video is gone, or was never public.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YouTube&apos;s player needs the JavaScript runtime deno, and yt-dlp found none it could use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site refused the file itself (HTTP 403); most often yt-dlp is older than the site&apos;s last change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk of the output folder is full: %1 left in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavari&apos;s user may not write to %1: it was refused %2. Choose another output directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp knows no way to read that page: check the link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no connection to the site: check that this computer is online.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp could not read the browser&apos;s cookies, which its keyring guards. Install what reads it with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n links: %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message>
        <source>it had not come whole after %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it had not come whole after %1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavari fetches only over https, and %1 is not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was sent on to %1, which is not https</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB it may be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is more than the %1 MiB it may be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was sent on more than %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server answered %1 %2 instead of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name %1 could not be resolved; is this computer online?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing came for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KavariWindow</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the previous download has not ended yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no program of that name in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
--- Download cancelled by user ---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
✓ Download completed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
✗ Download failed or was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
✗ yt-dlp could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an output directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the output directory as a full path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp would load whatever is downloaded into this folder as a plugin at its next start. Please choose another output directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
✗ Removed %1: yt-dlp would have read this downloaded file as its configuration at its next start, and obeyed whatever options it holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, cookies from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Mode: %n links, playlists whole</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mode: %n links, one video each</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Mode: Single video download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode: Full playlist download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode: Single file download (playlist ignored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavari - By Tolmend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 (Audio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M4A (Audio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Video + Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>720p Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1080p Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High (192k)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium (128k)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low (64k)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download entire playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cookies from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update yt-dlp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputQueue</name>
    <message>
        <source>… %1 more characters not shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReleaseFiles</name>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is not a full path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyring %1 is missing; reinstall Kavari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyring %1 is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyring %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is signed by another key (%1), not by yt-dlp&apos;s release key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the signature does not match the file: it was changed after it was signed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is signed by a revoked key, which proves nothing any more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is signed by an expired key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the signature has expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gpgv gave no verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.local/bin where a download would look for it. Log in again, or set HOME to your home folder, and try once more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not yt-dlp&apos;s release file but another install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tool that installed it, such as: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and Kavari leaves it as it is. Update it with %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReleaseJob</name>
    <message>
        <source>Fetching %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making a work folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the new %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RetryOffer</name>
    <message>
        <source>Retry with cookies from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry, pausing between videos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunSandbox</name>
    <message>
        <source>no working folder could be made in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be made executable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be put in place of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The Download button now reads Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateOffer</name>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp and deno, checked before they run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp, checked before it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current deno, checked before it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating yt-dlp...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Click Download to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
✗ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
--- Update cancelled by user ---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>%1; deno is left out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YtDlpRelease</name>
    <message>
        <source>Updating yt-dlp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrading yt-dlp with pipx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pipx was found; install it with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp is pipx&apos;s; running: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pipx ended with exit code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the signature of SHA2-256SUMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gpgv was not found; install it with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature of SHA2-256SUMS: good, by the key %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading SHA2-256SUMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it gives no checksum of yt-dlp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum of yt-dlp: its SHA-256 matches SHA2-256SUMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checksum of yt-dlp does not match SHA2-256SUMS; fetching the release once more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the checksum of yt-dlp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but SHA2-256SUMS says %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it printed no version; it needs Python 3.10 or newer as python3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the release offers nothing newer than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New yt-dlp: %1 (was %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipEntry</name>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archive holds no file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
