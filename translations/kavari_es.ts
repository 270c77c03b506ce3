<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Downloads videos, audio tracks and playlists with yt-dlp.</source>
        <translation>Descarga vídeos, pistas de audio y listas de reproducción con yt-dlp.</translation>
    </message>
    <message>
        <source>links</source>
        <translation>enlaces</translation>
    </message>
    <message>
        <source>Links to put into the link field, ready to download.</source>
        <translation>Enlaces que se colocan en el campo de enlace, listos para descargar.</translation>
    </message>
    <message>
        <source>[links...]</source>
        <translation>[enlaces…]</translation>
    </message>
</context>
<context>
    <name>CookieChoice</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Cookies from</source>
        <translation>Cookies de</translation>
    </message>
    <message>
        <source>yt-dlp reads the cookies of the browser chosen here for each download, as its option --cookies-from-browser does; Kavari keeps no copy of them. A site may suspend an account that is used this way.</source>
        <translation>yt-dlp lee las cookies del navegador elegido aquí en cada descarga, como hace su opción --cookies-from-browser; Kavari no guarda ninguna copia de ellas. Un sitio puede suspender una cuenta que se use de esta forma.</translation>
    </message>
    <message>
        <source>The %1 profile %2 is gone; this run goes without cookies.</source>
        <translation>El perfil de %1 %2 ya no existe; esta descarga se hace sin cookies.</translation>
    </message>
    <message>
        <source>sign in to YouTube in a browser first, then retry</source>
        <translation>primero inicie sesión en YouTube en un navegador y luego vuelva a intentarlo</translation>
    </message>
    <message>
        <source>sign in to YouTube in %1, then retry</source>
        <translation>inicie sesión en YouTube en %1 y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>choose a browser where you are signed in under &quot;Cookies from&quot;</source>
        <translation>elija en «Cookies de» un navegador en el que tenga la sesión iniciada</translation>
    </message>
</context>
<context>
    <name>DenoRelease</name>
    <message>
        <source>deno makes no release for this machine (%1)</source>
        <translation>deno no publica versiones para este equipo (%1)</translation>
    </message>
    <message>
        <source>Updating deno</source>
        <translation>La actualización de deno</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.deno/bin where a download would look for it</source>
        <translation>HOME es «%1», que no es una ruta completa, así que no hay ningún ~/.deno/bin donde una descarga pudiera buscarlo</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>La lectura de %1</translation>
    </message>
    <message>
        <source>it gives no checksum of %1</source>
        <translation>no incluye ninguna suma de verificación de %1</translation>
    </message>
    <message>
        <source>Checking the checksum of %1</source>
        <translation>La comprobación de la suma de verificación de %1</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but %2 says %3</source>
        <translation>su SHA-256 es %1, pero %2 indica %3</translation>
    </message>
    <message>
        <source>Checksum of %1: its SHA-256 matches %2</source>
        <translation>Suma de verificación de %1: su SHA-256 coincide con %2</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>La descarga de %1</translation>
    </message>
    <message>
        <source>Extracting deno</source>
        <translation>La extracción de deno</translation>
    </message>
    <message>
        <source>Extracting deno to %1</source>
        <translation>Extrayendo deno en %1</translation>
    </message>
    <message>
        <source>it is more than the 512 MiB it may be</source>
        <translation>supera el máximo permitido de 512 MiB</translation>
    </message>
    <message>
        <source>it printed no version</source>
        <translation>no mostró ninguna versión</translation>
    </message>
    <message>
        <source>it is %1, older than %2</source>
        <translation>es la versión %1, anterior a la %2</translation>
    </message>
    <message>
        <source>New deno: %1</source>
        <translation>Nuevo deno: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kavari</source>
        <translation>Mostrar Kavari</translation>
    </message>
    <message>
        <source>%1
into %2</source>
        <translation>%1
en %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more
into %2</source>
        <translation>
            <numerusform>%1 y %Ln enlace más
en %2</numerusform>
            <numerusform>%1 y %Ln enlaces más
en %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>yt-dlp at %1</source>
        <translation>yt-dlp en %1</translation>
    </message>
    <message>
        <source>yt-dlp %1 at %2</source>
        <translation>yt-dlp %1 en %2</translation>
    </message>
    <message>
        <source>Update it with: %1</source>
        <translation>Actualícelo con: %1</translation>
    </message>
    <message>
        <source>It is your system&apos;s copy, which cannot update itself. Install the current one for yourself, which Kavari then finds in ~/.local/bin: %1</source>
        <translation>Es la copia del sistema, que no puede actualizarse sola. Instale la versión actual para su propio usuario; Kavari la encontrará en ~/.local/bin: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>El yt-dlp actual necesita el entorno de ejecución de JavaScript deno para YouTube, y no se encontró ninguno. Instálelo con: %1</translation>
    </message>
    <message>
        <source>This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>Este yt-dlp necesita el entorno de ejecución de JavaScript deno para YouTube, y no se encontró ninguno. Instálelo con: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>El yt-dlp actual necesita deno %1 o posterior para YouTube, y el deno de %2 es anterior. Instálelo con: %3</translation>
    </message>
    <message>
        <source>This yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>Este yt-dlp necesita deno %1 o posterior para YouTube, y el deno de %2 es anterior. Instálelo con: %3</translation>
    </message>
    <message>
        <source>This format needs ffmpeg, and none was found. Install it with: %1</source>
        <translation>Este formato necesita ffmpeg, y no se encontró ninguno. Instálelo con: %1</translation>
    </message>
    <message>
        <source>its first line names the interpreter %1, which is missing (%2)</source>
        <translation>su primera línea indica el intérprete %1, que no existe (%2)</translation>
    </message>
    <message>
        <source>. Python was probably upgraded; reinstall it with: %1</source>
        <translation>. Probablemente se actualizó Python; reinstálelo con: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>This yt-dlp is %Ln days old. Sites such as YouTube change often, and an old yt-dlp stops working with them.</source>
        <translation>
            <numerusform>Este yt-dlp se publicó hace %Ln día. Sitios como YouTube cambian a menudo, y un yt-dlp antiguo deja de funcionar con ellos.</numerusform>
            <numerusform>Este yt-dlp se publicó hace %Ln días. Sitios como YouTube cambian a menudo, y un yt-dlp antiguo deja de funcionar con ellos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureCauses</name>
    <message>
        <source>YouTube wants this connection to prove that a person is behind it; a browser where you are signed in to YouTube usually passes: %1.</source>
        <translation>YouTube pide que esta conexión demuestre que hay una persona detrás; un navegador en el que tenga la sesión iniciada en YouTube suele superar la prueba: %1.</translation>
    </message>
    <message>
        <source>Only a signed-in, age-verified account may watch this video: %1.</source>
        <translation>Solo una cuenta con la sesión iniciada y la edad verificada puede ver este vídeo: %1.</translation>
    </message>
    <message>
        <source>Only accounts with access may watch this video, which is private or for the channel&apos;s members: %1.</source>
        <translation>Solo las cuentas con acceso pueden ver este vídeo, que es privado o para los miembros del canal: %1.</translation>
    </message>
    <message>
        <source>The site limits how many videos one connection may fetch (YouTube: about 300 an hour without an account). Wait up to an hour, or retry with pauses between the videos.</source>
        <translation>El sitio limita cuántos vídeos puede descargar una conexión (YouTube: unos 300 por hora sin cuenta). Espere hasta una hora o vuelva a intentarlo con pausas entre los vídeos.</translation>
    </message>
    <message>
        <source>The video is not available where this connection is.</source>
        <translation>El vídeo no está disponible en el lugar desde el que se conecta.</translation>
    </message>
    <message>
        <source>The video is gone, or was never public.</source>
        <translation>El vídeo ya no existe o nunca fue público.</translation>
    </message>
    <message>
        <source>YouTube&apos;s player needs the JavaScript runtime deno, and yt-dlp found none it could use.</source>
        <translation>El reproductor de YouTube necesita el entorno de ejecución de JavaScript deno, y yt-dlp no encontró ninguno que pudiera usar.</translation>
    </message>
    <message>
        <source>The site refused the file itself (HTTP 403); most often yt-dlp is older than the site&apos;s last change.</source>
        <translation>El sitio rechazó el propio archivo (HTTP 403); lo más habitual es que yt-dlp sea anterior al último cambio del sitio.</translation>
    </message>
    <message>
        <source>The disk of the output folder is full: %1 left in %2.</source>
        <translation>El disco de la carpeta de destino está lleno: quedan %1 en %2.</translation>
    </message>
    <message>
        <source>Kavari&apos;s user may not write to %1: it was refused %2. Choose another output directory.</source>
        <translation>El usuario de Kavari no puede escribir en %1: se le denegó el acceso a %2. Elija otra carpeta de destino.</translation>
    </message>
    <message>
        <source>yt-dlp knows no way to read that page: check the link.</source>
        <translation>yt-dlp no sabe leer esa página: compruebe el enlace.</translation>
    </message>
    <message>
        <source>There is no connection to the site: check that this computer is online.</source>
        <translation>No hay conexión con el sitio: compruebe que este equipo está conectado a Internet.</translation>
    </message>
    <message>
        <source>yt-dlp could not read the browser&apos;s cookies, which its keyring guards. Install what reads it with: %1</source>
        <translation>yt-dlp no pudo leer las cookies del navegador, que protege su anillo de claves. Instale lo necesario para leerlo con: %1</translation>
    </message>
    <message>
        <source>The link leads nowhere: check it.</source>
        <translation>El enlace no lleva a ninguna parte: compruébelo.</translation>
    </message>
    <message>
        <source>This yt-dlp does not know the keyring that guards the browser&apos;s cookies on this desktop; the current yt-dlp does, so updating it mends this.</source>
        <translation>Este yt-dlp no conoce el anillo de claves que protege las cookies del navegador en este escritorio; el yt-dlp actual sí, así que actualizarlo lo soluciona.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the videos: %1</source>
        <translation>
            <numerusform>%Ln de los vídeos: %1</numerusform>
            <numerusform>%Ln de los vídeos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %Ln links: %2</source>
        <translation>
            <numerusform>%1 de %Ln enlace: %2</numerusform>
            <numerusform>%1 de los %Ln enlaces: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message>
        <source>it had not come whole after %1 s</source>
        <translation>no había llegado completo después de %1 s</translation>
    </message>
    <message>
        <source>it had not come whole after %1 minutes</source>
        <translation>no había llegado completo después de %1 minutos</translation>
    </message>
    <message>
        <source>Kavari fetches only over https, and %1 is not</source>
        <translation>Kavari solo descarga mediante https, y %1 no usa https</translation>
    </message>
    <message>
        <source>it was sent on to %1, which is not https</source>
        <translation>se redirigió a %1, que no es https</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB it may be</source>
        <translation>ocupa %1 MiB, más que el máximo permitido de %2 MiB</translation>
    </message>
    <message>
        <source>it is more than the %1 MiB it may be</source>
        <translation>supera el máximo permitido de %1 MiB</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>no se pudo escribir: %1</translation>
    </message>
    <message>
        <source>it was sent on more than %1 times</source>
        <translation>se redirigió más de %1 veces</translation>
    </message>
    <message>
        <source>the server answered %1 %2 instead of the file</source>
        <translation>el servidor respondió %1 %2 en lugar del archivo</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 of %2 bytes</source>
        <translation>la transferencia se interrumpió tras %1 de %2 bytes</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>el servidor respondió %1 %2</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved; is this computer online?</source>
        <translation>no se pudo resolver el nombre %1; ¿está este equipo conectado a Internet?</translation>
    </message>
    <message>
        <source>nothing came for %1 s</source>
        <translation>no llegó nada durante %1 s</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 bytes</source>
        <translation>la transferencia se interrumpió tras %1 bytes</translation>
    </message>
</context>
<context>
    <name>KavariWindow</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please enter a URL</source>
        <translation>Introduzca una URL</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Descargando…</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>Comando: %1</translation>
    </message>
    <message>
        <source>the previous download has not ended yet</source>
        <translation>la descarga anterior todavía no ha terminado</translation>
    </message>
    <message>
        <source>no program of that name in %1</source>
        <translation>no hay ningún programa con ese nombre en %1</translation>
    </message>
    <message>
        <source>
--- Download cancelled by user ---</source>
        <translation>
--- Descarga cancelada por el usuario ---</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Falló la descarga</translation>
    </message>
    <message>
        <source>
✓ Download completed successfully!</source>
        <translation>
✓ ¡Descarga completada correctamente!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>
✗ Download failed or was cancelled</source>
        <translation>
✗ La descarga falló o se canceló</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falló</translation>
    </message>
    <message>
        <source>
✗ yt-dlp could not be started: %1</source>
        <translation>
✗ No se pudo iniciar yt-dlp: %1</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Seleccionar carpeta de destino</translation>
    </message>
    <message>
        <source>Please select an output directory</source>
        <translation>Seleccione una carpeta de destino</translation>
    </message>
    <message>
        <source>Please enter the output directory as a full path</source>
        <translation>Introduzca la carpeta de destino como una ruta completa</translation>
    </message>
    <message>
        <source>yt-dlp would load whatever is downloaded into this folder as a plugin at its next start. Please choose another output directory.</source>
        <translation>yt-dlp cargaría como complemento todo lo que se descargue en esta carpeta la próxima vez que se inicie. Elija otra carpeta de destino.</translation>
    </message>
    <message>
        <source>
✗ Removed %1: yt-dlp would have read this downloaded file as its configuration at its next start, and obeyed whatever options it holds.</source>
        <translation>
✗ Se eliminó %1: yt-dlp habría leído este archivo descargado como su configuración la próxima vez que se iniciara, y habría obedecido todas las opciones que contuviera.</translation>
    </message>
    <message>
        <source>%1, cookies from %2</source>
        <translation>%1, cookies de %2</translation>
    </message>
    <message>
        <source>Mode: Single video download</source>
        <translation>Modo: descarga de un solo vídeo</translation>
    </message>
    <message>
        <source>Mode: Full playlist download</source>
        <translation>Modo: descarga de la lista de reproducción completa</translation>
    </message>
    <message>
        <source>Mode: Single file download (playlist ignored)</source>
        <translation>Modo: descarga de un solo archivo (se ignora la lista de reproducción)</translation>
    </message>
    <message>
        <source>Kavari - By Tolmend</source>
        <translation>Kavari - de Tolmend</translation>
    </message>
    <message>
        <source>Video URL</source>
        <translation>URL del vídeo</translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation>Pegue aquí la URL de YouTube…</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Opciones de formato</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>MP3 (Audio)</source>
        <translation>MP3 (audio)</translation>
    </message>
    <message>
        <source>M4A (Audio)</source>
        <translation>M4A (audio)</translation>
    </message>
    <message>
        <source>Best Video + Audio</source>
        <translation>Mejor vídeo + audio</translation>
    </message>
    <message>
        <source>720p Video</source>
        <translation>Vídeo 720p</translation>
    </message>
    <message>
        <source>1080p Video</source>
        <translation>Vídeo 1080p</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Calidad de audio:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Máxima</translation>
    </message>
    <message>
        <source>High (192k)</source>
        <translation>Alta (192k)</translation>
    </message>
    <message>
        <source>Medium (128k)</source>
        <translation>Media (128k)</translation>
    </message>
    <message>
        <source>Low (64k)</source>
        <translation>Baja (64k)</translation>
    </message>
    <message>
        <source>Download entire playlist</source>
        <translation>Descargar la lista de reproducción completa</translation>
    </message>
    <message>
        <source>Cookies from:</source>
        <translation>Cookies de:</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Update yt-dlp</source>
        <translation>Actualizar yt-dlp</translation>
    </message>
    <message>
        <source>Output Log</source>
        <translation>Registro de salida</translation>
    </message>
    <message>
        <source>Removed %1: the download was stopped while yt-dlp was still writing it.</source>
        <translation>Se eliminó %1: la descarga se detuvo mientras yt-dlp aún lo estaba escribiendo.</translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, playlists whole</source>
        <translation>
            <numerusform>Modo: %Ln enlace, listas de reproducción completas</numerusform>
            <numerusform>Modo: %Ln enlaces, listas de reproducción completas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, one video each</source>
        <translation>
            <numerusform>Modo: %Ln enlace, un vídeo por enlace</numerusform>
            <numerusform>Modo: %Ln enlaces, un vídeo por enlace</numerusform>
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
        <translation>… %1 caracteres más sin mostrar</translation>
    </message>
    <message numerus="yes">
        <source>… %Ln lines not shown: they came faster than the log could show them</source>
        <translation>
            <numerusform>… %Ln línea no mostrada: llegó más rápido de lo que el registro podía mostrarla</numerusform>
            <numerusform>… %Ln líneas no mostradas: llegaron más rápido de lo que el registro podía mostrarlas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReleaseFiles</name>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is not a full path</source>
        <translation>el anillo de claves %1 que indica KAVARI_YTDLP_KEYRING no es una ruta completa</translation>
    </message>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is missing</source>
        <translation>el anillo de claves %1 que indica KAVARI_YTDLP_KEYRING no existe</translation>
    </message>
    <message>
        <source>the keyring %1 is missing; reinstall Kavari</source>
        <translation>falta el anillo de claves %1; reinstale Kavari</translation>
    </message>
    <message>
        <source>the keyring %1 is not a file</source>
        <translation>el anillo de claves %1 no es un archivo</translation>
    </message>
    <message>
        <source>the keyring %1 cannot be read</source>
        <translation>el anillo de claves %1 no se puede leer</translation>
    </message>
    <message>
        <source>it is signed by another key (%1), not by yt-dlp&apos;s release key</source>
        <translation>está firmado con otra clave (%1), no con la clave de publicación de yt-dlp</translation>
    </message>
    <message>
        <source>the signature does not match the file: it was changed after it was signed</source>
        <translation>la firma no coincide con el archivo: se modificó después de firmarlo</translation>
    </message>
    <message>
        <source>it is signed by a revoked key, which proves nothing any more</source>
        <translation>está firmado con una clave revocada, que ya no demuestra nada</translation>
    </message>
    <message>
        <source>it is signed by an expired key</source>
        <translation>está firmado con una clave caducada</translation>
    </message>
    <message>
        <source>the signature has expired</source>
        <translation>la firma ha caducado</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>no se pudo comprobar la firma</translation>
    </message>
    <message>
        <source>gpgv gave no verdict</source>
        <translation>gpgv no dio ningún resultado</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.local/bin where a download would look for it. Log in again, or set HOME to your home folder, and try once more</source>
        <translation>HOME es «%1», que no es una ruta completa, así que no hay ningún ~/.local/bin donde una descarga pudiera buscarlo. Vuelva a iniciar sesión o asigne a HOME su carpeta personal, y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>%1 is a link to %2</source>
        <translation>%1 es un enlace a %2</translation>
    </message>
    <message>
        <source>%1 is not yt-dlp&apos;s release file but another install</source>
        <translation>%1 no es el archivo publicado de yt-dlp, sino otra instalación</translation>
    </message>
    <message>
        <source>the tool that installed it, such as: %1</source>
        <translation>la herramienta que lo instaló, por ejemplo: %1</translation>
    </message>
    <message>
        <source>%1, and Kavari leaves it as it is. Update it with %2</source>
        <translation>%1, y Kavari lo deja como está. Actualícelo con %2</translation>
    </message>
</context>
<context>
    <name>ReleaseJob</name>
    <message>
        <source>Fetching %1 from %2</source>
        <translation>Descargando %1 desde %2</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>La descarga de %1</translation>
    </message>
    <message>
        <source>Making a work folder</source>
        <translation>La creación de una carpeta de trabajo</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>no se puede escribir nada en %1: %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>La escritura de %1</translation>
    </message>
    <message>
        <source>Installing %1</source>
        <translation>La instalación de %1</translation>
    </message>
    <message>
        <source>Checking the new %1</source>
        <translation>La comprobación del nuevo %1</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Se ha instalado %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
</context>
<context>
    <name>RetryOffer</name>
    <message>
        <source>Retry with cookies from %1</source>
        <translation>Reintentar con cookies de %1</translation>
    </message>
    <message>
        <source>Retry, pausing between videos</source>
        <translation>Reintentar con pausas entre vídeos</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message numerus="yes">
        <source>… %Ln earlier lines not kept</source>
        <translation>
            <numerusform>… %Ln línea anterior no conservada</numerusform>
            <numerusform>… %Ln líneas anteriores no conservadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSandbox</name>
    <message>
        <source>no working folder could be made in %1: %2</source>
        <translation>no se pudo crear una carpeta de trabajo en %1: %2</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>se ha agotado su cuota de disco</translation>
    </message>
    <message>
        <source>the folder %1 could not be made: %2</source>
        <translation>no se pudo crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>no se puede escribir nada en %1: %2</translation>
    </message>
    <message>
        <source>it could not be written to %1: %2</source>
        <translation>no se pudo escribir en %1: %2</translation>
    </message>
    <message>
        <source>it could not be made executable: %1</source>
        <translation>no se pudo hacer ejecutable: %1</translation>
    </message>
    <message>
        <source>it could not be put in place of %1: %2</source>
        <translation>no se pudo colocar en lugar de %1: %2</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The Download button now reads Cancel</source>
        <translation>El botón Descargar ahora dice Cancelar</translation>
    </message>
</context>
<context>
    <name>UpdateOffer</name>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp and deno, checked before they run.</source>
        <translation>Pulse «Actualizar yt-dlp» para descargar las versiones actuales de yt-dlp y deno, que se comprueban antes de ejecutarse.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp, checked before it runs.</source>
        <translation>Pulse «Actualizar yt-dlp» para descargar la versión actual de yt-dlp, que se comprueba antes de ejecutarse.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current deno, checked before it runs.</source>
        <translation>Pulse «Actualizar yt-dlp» para descargar la versión actual de deno, que se comprueba antes de ejecutarse.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Updating yt-dlp...</source>
        <translation>Actualizando yt-dlp…</translation>
    </message>
    <message>
        <source>
Click Download to try again.</source>
        <translation>
Pulse Descargar para volver a intentarlo.</translation>
    </message>
    <message>
        <source>
✗ %1</source>
        <translation>
✗ %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Falló la actualización</translation>
    </message>
    <message>
        <source>
--- Update cancelled by user ---</source>
        <translation>
--- Actualización cancelada por el usuario ---</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Actualización cancelada</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>%1; deno is left out</source>
        <translation>%1; se omite deno</translation>
    </message>
</context>
<context>
    <name>YtDlpRelease</name>
    <message>
        <source>Updating yt-dlp</source>
        <translation>La actualización de yt-dlp</translation>
    </message>
    <message>
        <source>Upgrading yt-dlp with pipx</source>
        <translation>La actualización de yt-dlp con pipx</translation>
    </message>
    <message>
        <source>no pipx was found; install it with: %1</source>
        <translation>no se encontró pipx; instálelo con: %1</translation>
    </message>
    <message>
        <source>yt-dlp is pipx&apos;s; running: %1</source>
        <translation>yt-dlp lo gestiona pipx; ejecutando: %1</translation>
    </message>
    <message>
        <source>pipx ended with exit code %1</source>
        <translation>pipx terminó con el código de salida %1</translation>
    </message>
    <message>
        <source>Checking the signature of SHA2-256SUMS</source>
        <translation>La comprobación de la firma de SHA2-256SUMS</translation>
    </message>
    <message>
        <source>gpgv was not found; install it with: %1</source>
        <translation>no se encontró gpgv; instálelo con: %1</translation>
    </message>
    <message>
        <source>Signature of SHA2-256SUMS: good, by the key %1 of %2</source>
        <translation>Firma de SHA2-256SUMS: válida, hecha con la clave %1 de %2</translation>
    </message>
    <message>
        <source>Reading SHA2-256SUMS</source>
        <translation>La lectura de SHA2-256SUMS</translation>
    </message>
    <message>
        <source>it gives no checksum of yt-dlp</source>
        <translation>no incluye ninguna suma de verificación de yt-dlp</translation>
    </message>
    <message>
        <source>Checksum of yt-dlp: its SHA-256 matches SHA2-256SUMS</source>
        <translation>Suma de verificación de yt-dlp: su SHA-256 coincide con SHA2-256SUMS</translation>
    </message>
    <message>
        <source>The checksum of yt-dlp does not match SHA2-256SUMS; fetching the release once more</source>
        <translation>La suma de verificación de yt-dlp no coincide con SHA2-256SUMS; se vuelve a descargar la versión publicada</translation>
    </message>
    <message>
        <source>Checking the checksum of yt-dlp</source>
        <translation>La comprobación de la suma de verificación de yt-dlp</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but SHA2-256SUMS says %2</source>
        <translation>su SHA-256 es %1, pero SHA2-256SUMS indica %2</translation>
    </message>
    <message>
        <source>it printed no version; it needs Python 3.10 or newer as python3</source>
        <translation>no mostró ninguna versión; necesita Python 3.10 o posterior como python3</translation>
    </message>
    <message>
        <source>the release offers nothing newer than %1</source>
        <translation>la versión publicada no ofrece nada más reciente que la %1</translation>
    </message>
    <message>
        <source>New yt-dlp: %1 (was %2)</source>
        <translation>Nuevo yt-dlp: %1 (antes %2)</translation>
    </message>
</context>
<context>
    <name>ZipEntry</name>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>el archivo comprimido está dañado (%1)</translation>
    </message>
    <message>
        <source>the archive holds no file %1</source>
        <translation>el archivo comprimido no contiene ningún archivo %1</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>no se pudo escribir: %1</translation>
    </message>
</context>
</TS>
