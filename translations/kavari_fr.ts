<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Downloads videos, audio tracks and playlists with yt-dlp.</source>
        <translation>Télécharge des vidéos, des pistes audio et des listes de lecture avec yt-dlp.</translation>
    </message>
    <message>
        <source>links</source>
        <translation>liens</translation>
    </message>
    <message>
        <source>Links to put into the link field, ready to download.</source>
        <translation>Liens à placer dans le champ du lien, prêts à être téléchargés.</translation>
    </message>
    <message>
        <source>[links...]</source>
        <translation>[liens…]</translation>
    </message>
</context>
<context>
    <name>CookieChoice</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Cookies from</source>
        <translation>Cookies de</translation>
    </message>
    <message>
        <source>yt-dlp reads the cookies of the browser chosen here for each download, as its option --cookies-from-browser does; Kavari keeps no copy of them. A site may suspend an account that is used this way.</source>
        <translation>yt-dlp lit les cookies du navigateur choisi ici à chaque téléchargement, comme le fait son option --cookies-from-browser&#xa0;; Kavari n&apos;en garde aucune copie. Un site peut suspendre un compte utilisé de cette façon.</translation>
    </message>
    <message>
        <source>The %1 profile %2 is gone; this run goes without cookies.</source>
        <translation>Le profil %1 %2 n&apos;existe plus&#xa0;; ce téléchargement se fait sans cookies.</translation>
    </message>
    <message>
        <source>sign in to YouTube in a browser first, then retry</source>
        <translation>connectez-vous d&apos;abord à YouTube dans un navigateur, puis réessayez</translation>
    </message>
    <message>
        <source>sign in to YouTube in %1, then retry</source>
        <translation>connectez-vous à YouTube dans %1, puis réessayez</translation>
    </message>
    <message>
        <source>choose a browser where you are signed in under &quot;Cookies from&quot;</source>
        <translation>choisissez dans «&#xa0;Cookies de&#xa0;» un navigateur où vous êtes connecté</translation>
    </message>
</context>
<context>
    <name>DenoRelease</name>
    <message>
        <source>deno makes no release for this machine (%1)</source>
        <translation>deno ne publie aucune version pour cette machine (%1)</translation>
    </message>
    <message>
        <source>Updating deno</source>
        <translation>La mise à jour de deno</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.deno/bin where a download would look for it</source>
        <translation>HOME vaut «&#xa0;%1&#xa0;», qui n&apos;est pas un chemin complet&#xa0;; il n&apos;y a donc pas de ~/.deno/bin où un téléchargement irait le chercher</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>La lecture de %1</translation>
    </message>
    <message>
        <source>it gives no checksum of %1</source>
        <translation>le fichier ne contient aucune somme de contrôle pour %1</translation>
    </message>
    <message>
        <source>Checking the checksum of %1</source>
        <translation>La vérification de la somme de contrôle de %1</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but %2 says %3</source>
        <translation>le SHA-256 du fichier est %1, mais %2 indique %3</translation>
    </message>
    <message>
        <source>Checksum of %1: its SHA-256 matches %2</source>
        <translation>Somme de contrôle de %1&#xa0;: son SHA-256 correspond à %2</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>Le téléchargement de %1</translation>
    </message>
    <message>
        <source>Extracting deno</source>
        <translation>L&apos;extraction de deno</translation>
    </message>
    <message>
        <source>Extracting deno to %1</source>
        <translation>Extraction de deno vers %1</translation>
    </message>
    <message>
        <source>it is more than the 512 MiB it may be</source>
        <translation>deno dépasse les 512 Mio autorisés</translation>
    </message>
    <message>
        <source>it printed no version</source>
        <translation>il n&apos;a affiché aucune version</translation>
    </message>
    <message>
        <source>it is %1, older than %2</source>
        <translation>c&apos;est la version %1, plus ancienne que %2</translation>
    </message>
    <message>
        <source>New deno: %1</source>
        <translation>Nouvelle version de deno&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kavari</source>
        <translation>Afficher Kavari</translation>
    </message>
    <message>
        <source>%1
into %2</source>
        <translation>%1
dans %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more
into %2</source>
        <translation>
            <numerusform>%1 et %Ln autre lien
dans %2</numerusform>
            <numerusform>%1 et %Ln autres liens
dans %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>yt-dlp at %1</source>
        <translation>yt-dlp à l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>yt-dlp %1 at %2</source>
        <translation>yt-dlp %1 à l&apos;emplacement %2</translation>
    </message>
    <message>
        <source>Update it with: %1</source>
        <translation>Mettez-le à jour avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>It is your system&apos;s copy, which cannot update itself. Install the current one for yourself, which Kavari then finds in ~/.local/bin: %1</source>
        <translation>Il s&apos;agit de la version fournie par votre système, qui ne peut pas se mettre à jour elle-même. Installez la version actuelle pour votre compte&#xa0;; Kavari la trouvera alors dans ~/.local/bin&#xa0;: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>La version actuelle de yt-dlp a besoin de l&apos;environnement d&apos;exécution JavaScript deno pour YouTube, mais deno est introuvable. Installez-le avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>Cette version de yt-dlp a besoin de l&apos;environnement d&apos;exécution JavaScript deno pour YouTube, mais deno est introuvable. Installez-le avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>La version actuelle de yt-dlp a besoin de deno %1 ou d&apos;une version plus récente pour YouTube, mais celui qui se trouve à l&apos;emplacement %2 est plus ancien. Installez-le avec&#xa0;: %3</translation>
    </message>
    <message>
        <source>This yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>Cette version de yt-dlp a besoin de deno %1 ou d&apos;une version plus récente pour YouTube, mais celui qui se trouve à l&apos;emplacement %2 est plus ancien. Installez-le avec&#xa0;: %3</translation>
    </message>
    <message>
        <source>This format needs ffmpeg, and none was found. Install it with: %1</source>
        <translation>Ce format nécessite ffmpeg, qui est introuvable. Installez-le avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>its first line names the interpreter %1, which is missing (%2)</source>
        <translation>sa première ligne désigne l&apos;interpréteur %1, qui est absent (%2)</translation>
    </message>
    <message>
        <source>. Python was probably upgraded; reinstall it with: %1</source>
        <translation>. Python a probablement été mis à jour&#xa0;; réinstallez yt-dlp avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>This yt-dlp is %Ln days old. Sites such as YouTube change often, and an old yt-dlp stops working with them.</source>
        <translation>
            <numerusform>Cette version de yt-dlp a été publiée il y a %Ln jour. Les sites comme YouTube changent souvent, et une ancienne version de yt-dlp finit par ne plus fonctionner avec eux.</numerusform>
            <numerusform>Cette version de yt-dlp a été publiée il y a %Ln jours. Les sites comme YouTube changent souvent, et une ancienne version de yt-dlp finit par ne plus fonctionner avec eux.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureCauses</name>
    <message>
        <source>YouTube wants this connection to prove that a person is behind it; a browser where you are signed in to YouTube usually passes: %1.</source>
        <translation>YouTube demande la preuve qu&apos;une personne se trouve derrière cette connexion&#xa0;; un navigateur où vous êtes connecté à YouTube passe généralement ce contrôle&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Only a signed-in, age-verified account may watch this video: %1.</source>
        <translation>Seul un compte connecté dont l&apos;âge a été vérifié peut regarder cette vidéo&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Only accounts with access may watch this video, which is private or for the channel&apos;s members: %1.</source>
        <translation>Seuls les comptes qui y ont accès peuvent regarder cette vidéo, qui est privée ou réservée aux membres de la chaîne&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The site limits how many videos one connection may fetch (YouTube: about 300 an hour without an account). Wait up to an hour, or retry with pauses between the videos.</source>
        <translation>Le site limite le nombre de vidéos qu&apos;une connexion peut récupérer (YouTube&#xa0;: environ 300 par heure sans compte). Attendez jusqu&apos;à une heure, ou réessayez avec des pauses entre les vidéos.</translation>
    </message>
    <message>
        <source>The video is not available where this connection is.</source>
        <translation>La vidéo n&apos;est pas disponible dans le pays d&apos;où provient cette connexion.</translation>
    </message>
    <message>
        <source>The video is gone, or was never public.</source>
        <translation>La vidéo a été supprimée ou n&apos;a jamais été publique.</translation>
    </message>
    <message>
        <source>YouTube&apos;s player needs the JavaScript runtime deno, and yt-dlp found none it could use.</source>
        <translation>Le lecteur de YouTube a besoin de l&apos;environnement d&apos;exécution JavaScript deno, et yt-dlp n&apos;en a trouvé aucun qu&apos;il puisse utiliser.</translation>
    </message>
    <message>
        <source>The site refused the file itself (HTTP 403); most often yt-dlp is older than the site&apos;s last change.</source>
        <translation>Le site a refusé le fichier lui-même (HTTP 403)&#xa0;; le plus souvent, yt-dlp est plus ancien que la dernière modification du site.</translation>
    </message>
    <message>
        <source>The disk of the output folder is full: %1 left in %2.</source>
        <translation>Le disque du dossier de sortie est plein&#xa0;: il reste %1 dans %2.</translation>
    </message>
    <message>
        <source>Kavari&apos;s user may not write to %1: it was refused %2. Choose another output directory.</source>
        <translation>L&apos;utilisateur de Kavari n&apos;a pas le droit d&apos;écrire dans %1&#xa0;: l&apos;accès à %2 a été refusé. Choisissez un autre dossier de sortie.</translation>
    </message>
    <message>
        <source>yt-dlp knows no way to read that page: check the link.</source>
        <translation>yt-dlp ne sait pas lire cette page&#xa0;: vérifiez le lien.</translation>
    </message>
    <message>
        <source>There is no connection to the site: check that this computer is online.</source>
        <translation>Impossible de joindre le site&#xa0;: vérifiez que cet ordinateur est connecté à Internet.</translation>
    </message>
    <message>
        <source>yt-dlp could not read the browser&apos;s cookies, which its keyring guards. Install what reads it with: %1</source>
        <translation>yt-dlp n&apos;a pas pu lire les cookies du navigateur, que protège son trousseau de clés. Installez le nécessaire pour y accéder avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>The link leads nowhere: check it.</source>
        <translation>Le lien ne mène nulle part&#xa0;: vérifiez-le.</translation>
    </message>
    <message>
        <source>This yt-dlp does not know the keyring that guards the browser&apos;s cookies on this desktop; the current yt-dlp does, so updating it mends this.</source>
        <translation>Cette version de yt-dlp ne connaît pas le trousseau de clés qui protège les cookies du navigateur sur ce bureau&#xa0;; la version actuelle le connaît, donc une mise à jour de yt-dlp règle le problème.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the videos: %1</source>
        <translation>
            <numerusform>%Ln vidéo concernée&#xa0;: %1</numerusform>
            <numerusform>%Ln vidéos concernées&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %Ln links: %2</source>
        <translation>
            <numerusform>%1 sur %Ln lien&#xa0;: %2</numerusform>
            <numerusform>%1 sur %Ln liens&#xa0;: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message>
        <source>it had not come whole after %1 s</source>
        <translation>le fichier n&apos;était toujours pas complet après %1 s</translation>
    </message>
    <message>
        <source>it had not come whole after %1 minutes</source>
        <translation>le fichier n&apos;était toujours pas complet après %1 minutes</translation>
    </message>
    <message>
        <source>Kavari fetches only over https, and %1 is not</source>
        <translation>Kavari ne télécharge qu&apos;en https, et %1 n&apos;est pas une adresse https</translation>
    </message>
    <message>
        <source>it was sent on to %1, which is not https</source>
        <translation>la requête a été redirigée vers %1, qui n&apos;est pas une adresse https</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB it may be</source>
        <translation>le fichier fait %1 Mio, plus que les %2 Mio autorisés</translation>
    </message>
    <message>
        <source>it is more than the %1 MiB it may be</source>
        <translation>le fichier dépasse les %1 Mio autorisés</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>le fichier n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>it was sent on more than %1 times</source>
        <translation>la requête a été redirigée plus de %1 fois</translation>
    </message>
    <message>
        <source>the server answered %1 %2 instead of the file</source>
        <translation>le serveur a répondu %1 %2 au lieu d&apos;envoyer le fichier</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 of %2 bytes</source>
        <translation>le transfert s&apos;est interrompu avant la fin, après %1 octets sur %2</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>le serveur a répondu %1 %2</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved; is this computer online?</source>
        <translation>le nom %1 n&apos;a pas pu être résolu&#xa0;; cet ordinateur est-il connecté à Internet&#xa0;?</translation>
    </message>
    <message>
        <source>nothing came for %1 s</source>
        <translation>rien n&apos;a été reçu pendant %1 s</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 bytes</source>
        <translation>le transfert s&apos;est interrompu avant la fin, après %1 octets</translation>
    </message>
</context>
<context>
    <name>KavariWindow</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please enter a URL</source>
        <translation>Veuillez saisir une URL</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement en cours…</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>Commande&#xa0;: %1</translation>
    </message>
    <message>
        <source>the previous download has not ended yet</source>
        <translation>le téléchargement précédent n&apos;est pas encore terminé</translation>
    </message>
    <message>
        <source>no program of that name in %1</source>
        <translation>aucun programme de ce nom dans %1</translation>
    </message>
    <message>
        <source>
--- Download cancelled by user ---</source>
        <translation>
--- Téléchargement annulé par l&apos;utilisateur ---</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>
✓ Download completed successfully!</source>
        <translation>
✓ Téléchargement terminé avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>
✗ Download failed or was cancelled</source>
        <translation>
✗ Le téléchargement a échoué ou a été annulé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>
✗ yt-dlp could not be started: %1</source>
        <translation>
✗ yt-dlp n&apos;a pas pu être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Please select an output directory</source>
        <translation>Veuillez choisir un dossier de sortie</translation>
    </message>
    <message>
        <source>Please enter the output directory as a full path</source>
        <translation>Veuillez saisir le dossier de sortie sous forme de chemin complet</translation>
    </message>
    <message>
        <source>yt-dlp would load whatever is downloaded into this folder as a plugin at its next start. Please choose another output directory.</source>
        <translation>yt-dlp chargerait comme module externe, à son prochain lancement, tout ce qui est téléchargé dans ce dossier. Veuillez choisir un autre dossier de sortie.</translation>
    </message>
    <message>
        <source>
✗ Removed %1: yt-dlp would have read this downloaded file as its configuration at its next start, and obeyed whatever options it holds.</source>
        <translation>
✗ %1 supprimé&#xa0;: yt-dlp aurait lu ce fichier téléchargé comme son fichier de configuration à son prochain lancement, et appliqué toutes les options qu&apos;il contient.</translation>
    </message>
    <message>
        <source>%1, cookies from %2</source>
        <translation>%1, cookies de %2</translation>
    </message>
    <message>
        <source>Mode: Single video download</source>
        <translation>Mode&#xa0;: téléchargement d&apos;une seule vidéo</translation>
    </message>
    <message>
        <source>Mode: Full playlist download</source>
        <translation>Mode&#xa0;: téléchargement de toute la liste de lecture</translation>
    </message>
    <message>
        <source>Mode: Single file download (playlist ignored)</source>
        <translation>Mode&#xa0;: téléchargement d&apos;un seul fichier (liste de lecture ignorée)</translation>
    </message>
    <message>
        <source>Kavari - By Tolmend</source>
        <translation>Kavari – par Tolmend</translation>
    </message>
    <message>
        <source>Video URL</source>
        <translation>URL de la vidéo</translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation>Collez l&apos;URL YouTube ici…</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Options de format</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
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
        <translation>Meilleure vidéo + audio</translation>
    </message>
    <message>
        <source>720p Video</source>
        <translation>Vidéo 720p</translation>
    </message>
    <message>
        <source>1080p Video</source>
        <translation>Vidéo 1080p</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Qualité audio&#xa0;:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleure</translation>
    </message>
    <message>
        <source>High (192k)</source>
        <translation>Haute (192k)</translation>
    </message>
    <message>
        <source>Medium (128k)</source>
        <translation>Moyenne (128k)</translation>
    </message>
    <message>
        <source>Low (64k)</source>
        <translation>Basse (64k)</translation>
    </message>
    <message>
        <source>Download entire playlist</source>
        <translation>Télécharger toute la liste de lecture</translation>
    </message>
    <message>
        <source>Cookies from:</source>
        <translation>Cookies de&#xa0;:</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>Update yt-dlp</source>
        <translation>Mettre à jour yt-dlp</translation>
    </message>
    <message>
        <source>Output Log</source>
        <translation>Journal de sortie</translation>
    </message>
    <message>
        <source>Removed %1: the download was stopped while yt-dlp was still writing it.</source>
        <translation>%1 supprimé&#xa0;: le téléchargement a été arrêté alors que yt-dlp l&apos;écrivait encore.</translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, playlists whole</source>
        <translation>
            <numerusform>Mode&#xa0;: %Ln lien, listes de lecture entières</numerusform>
            <numerusform>Mode&#xa0;: %Ln liens, listes de lecture entières</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, one video each</source>
        <translation>
            <numerusform>Mode&#xa0;: %Ln lien, une vidéo par lien</numerusform>
            <numerusform>Mode&#xa0;: %Ln liens, une vidéo par lien</numerusform>
        </translation>
    </message>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s text: %p is the percent done</comment>
        <translation>%p&#x202f;%</translation>
    </message>
</context>
<context>
    <name>OutputQueue</name>
    <message>
        <source>… %1 more characters not shown</source>
        <translation>… %1 caractères supplémentaires non affichés</translation>
    </message>
    <message numerus="yes">
        <source>… %Ln lines not shown: they came faster than the log could show them</source>
        <translation>
            <numerusform>… %Ln ligne non affichée&#xa0;: elle est arrivée plus vite que le journal ne pouvait l&apos;afficher</numerusform>
            <numerusform>… %Ln lignes non affichées&#xa0;: elles sont arrivées plus vite que le journal ne pouvait les afficher</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReleaseFiles</name>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is not a full path</source>
        <translation>le trousseau de clés %1 indiqué par KAVARI_YTDLP_KEYRING n&apos;est pas un chemin complet</translation>
    </message>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is missing</source>
        <translation>le trousseau de clés %1 indiqué par KAVARI_YTDLP_KEYRING est absent</translation>
    </message>
    <message>
        <source>the keyring %1 is missing; reinstall Kavari</source>
        <translation>le trousseau de clés %1 est absent&#xa0;; réinstallez Kavari</translation>
    </message>
    <message>
        <source>the keyring %1 is not a file</source>
        <translation>le trousseau de clés %1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the keyring %1 cannot be read</source>
        <translation>le trousseau de clés %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is signed by another key (%1), not by yt-dlp&apos;s release key</source>
        <translation>le fichier est signé par une autre clé (%1), et non par la clé de publication de yt-dlp</translation>
    </message>
    <message>
        <source>the signature does not match the file: it was changed after it was signed</source>
        <translation>la signature ne correspond pas au fichier&#xa0;: il a été modifié après avoir été signé</translation>
    </message>
    <message>
        <source>it is signed by a revoked key, which proves nothing any more</source>
        <translation>le fichier est signé par une clé révoquée, qui ne prouve plus rien</translation>
    </message>
    <message>
        <source>it is signed by an expired key</source>
        <translation>le fichier est signé par une clé expirée</translation>
    </message>
    <message>
        <source>the signature has expired</source>
        <translation>la signature a expiré</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>la signature n&apos;a pas pu être vérifiée</translation>
    </message>
    <message>
        <source>gpgv gave no verdict</source>
        <translation>gpgv n&apos;a rendu aucun verdict</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.local/bin where a download would look for it. Log in again, or set HOME to your home folder, and try once more</source>
        <translation>HOME vaut «&#xa0;%1&#xa0;», qui n&apos;est pas un chemin complet&#xa0;; il n&apos;y a donc pas de ~/.local/bin où un téléchargement irait le chercher. Reconnectez-vous, ou définissez HOME sur votre dossier personnel, puis réessayez</translation>
    </message>
    <message>
        <source>%1 is a link to %2</source>
        <translation>%1 est un lien vers %2</translation>
    </message>
    <message>
        <source>%1 is not yt-dlp&apos;s release file but another install</source>
        <translation>%1 n&apos;est pas le fichier publié par yt-dlp mais une autre installation</translation>
    </message>
    <message>
        <source>the tool that installed it, such as: %1</source>
        <translation>l&apos;outil qui l&apos;a installé, par exemple&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, and Kavari leaves it as it is. Update it with %2</source>
        <translation>%1, et Kavari le laisse tel quel. Mettez-le à jour avec %2</translation>
    </message>
</context>
<context>
    <name>ReleaseJob</name>
    <message>
        <source>Fetching %1 from %2</source>
        <translation>Téléchargement de %1 depuis %2</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>Le téléchargement de %1</translation>
    </message>
    <message>
        <source>Making a work folder</source>
        <translation>La création d&apos;un dossier de travail</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>L&apos;écriture de %1</translation>
    </message>
    <message>
        <source>Installing %1</source>
        <translation>L&apos;installation de %1</translation>
    </message>
    <message>
        <source>Checking the new %1</source>
        <translation>La vérification du nouveau %1</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 installé</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RetryOffer</name>
    <message>
        <source>Retry with cookies from %1</source>
        <translation>Réessayer avec les cookies de %1</translation>
    </message>
    <message>
        <source>Retry, pausing between videos</source>
        <translation>Réessayer en espaçant les vidéos</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message numerus="yes">
        <source>… %Ln earlier lines not kept</source>
        <translation>
            <numerusform>… %Ln ligne précédente non conservée</numerusform>
            <numerusform>… %Ln lignes précédentes non conservées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSandbox</name>
    <message>
        <source>no working folder could be made in %1: %2</source>
        <translation>impossible de créer un dossier de travail dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>votre quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the folder %1 could not be made: %2</source>
        <translation>le dossier %1 n&apos;a pas pu être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it could not be written to %1: %2</source>
        <translation>le fichier n&apos;a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it could not be made executable: %1</source>
        <translation>le fichier n&apos;a pas pu être rendu exécutable&#xa0;: %1</translation>
    </message>
    <message>
        <source>it could not be put in place of %1: %2</source>
        <translation>le fichier n&apos;a pas pu remplacer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The Download button now reads Cancel</source>
        <translation>Le bouton «&#xa0;Télécharger&#xa0;» affiche désormais «&#xa0;Annuler&#xa0;»</translation>
    </message>
</context>
<context>
    <name>UpdateOffer</name>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp and deno, checked before they run.</source>
        <translation>Cliquez sur «&#xa0;Mettre à jour yt-dlp&#xa0;» pour télécharger les versions actuelles de yt-dlp et de deno, vérifiées avant leur exécution.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp, checked before it runs.</source>
        <translation>Cliquez sur «&#xa0;Mettre à jour yt-dlp&#xa0;» pour télécharger la version actuelle de yt-dlp, vérifiée avant son exécution.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current deno, checked before it runs.</source>
        <translation>Cliquez sur «&#xa0;Mettre à jour yt-dlp&#xa0;» pour télécharger la version actuelle de deno, vérifiée avant son exécution.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Updating yt-dlp...</source>
        <translation>Mise à jour de yt-dlp en cours…</translation>
    </message>
    <message>
        <source>
Click Download to try again.</source>
        <translation>
Cliquez sur «&#xa0;Télécharger&#xa0;» pour réessayer.</translation>
    </message>
    <message>
        <source>
✗ %1</source>
        <translation>
✗ %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Mise à jour terminée</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <source>
--- Update cancelled by user ---</source>
        <translation>
--- Mise à jour annulée par l&apos;utilisateur ---</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Mise à jour annulée</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>%1; deno is left out</source>
        <translation>%1&#xa0;; deno est laissé de côté</translation>
    </message>
</context>
<context>
    <name>YtDlpRelease</name>
    <message>
        <source>Updating yt-dlp</source>
        <translation>La mise à jour de yt-dlp</translation>
    </message>
    <message>
        <source>Upgrading yt-dlp with pipx</source>
        <translation>La mise à jour de yt-dlp avec pipx</translation>
    </message>
    <message>
        <source>no pipx was found; install it with: %1</source>
        <translation>pipx est introuvable&#xa0;; installez-le avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>yt-dlp is pipx&apos;s; running: %1</source>
        <translation>yt-dlp est géré par pipx&#xa0;; exécution de la commande&#xa0;: %1</translation>
    </message>
    <message>
        <source>pipx ended with exit code %1</source>
        <translation>pipx s&apos;est terminé avec le code de sortie %1</translation>
    </message>
    <message>
        <source>Checking the signature of SHA2-256SUMS</source>
        <translation>La vérification de la signature de SHA2-256SUMS</translation>
    </message>
    <message>
        <source>gpgv was not found; install it with: %1</source>
        <translation>gpgv est introuvable&#xa0;; installez-le avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>Signature of SHA2-256SUMS: good, by the key %1 of %2</source>
        <translation>Signature de SHA2-256SUMS&#xa0;: valide, faite avec la clé %1 de %2</translation>
    </message>
    <message>
        <source>Reading SHA2-256SUMS</source>
        <translation>La lecture de SHA2-256SUMS</translation>
    </message>
    <message>
        <source>it gives no checksum of yt-dlp</source>
        <translation>le fichier ne contient aucune somme de contrôle pour yt-dlp</translation>
    </message>
    <message>
        <source>Checksum of yt-dlp: its SHA-256 matches SHA2-256SUMS</source>
        <translation>Somme de contrôle de yt-dlp&#xa0;: son SHA-256 correspond à SHA2-256SUMS</translation>
    </message>
    <message>
        <source>The checksum of yt-dlp does not match SHA2-256SUMS; fetching the release once more</source>
        <translation>La somme de contrôle de yt-dlp ne correspond pas à SHA2-256SUMS&#xa0;; nouveau téléchargement de la version publiée</translation>
    </message>
    <message>
        <source>Checking the checksum of yt-dlp</source>
        <translation>La vérification de la somme de contrôle de yt-dlp</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but SHA2-256SUMS says %2</source>
        <translation>le SHA-256 du fichier est %1, mais SHA2-256SUMS indique %2</translation>
    </message>
    <message>
        <source>it printed no version; it needs Python 3.10 or newer as python3</source>
        <translation>il n&apos;a affiché aucune version&#xa0;; il lui faut Python 3.10 ou plus récent sous le nom python3</translation>
    </message>
    <message>
        <source>the release offers nothing newer than %1</source>
        <translation>la version publiée n&apos;est pas plus récente que %1</translation>
    </message>
    <message>
        <source>New yt-dlp: %1 (was %2)</source>
        <translation>Nouvelle version de yt-dlp&#xa0;: %1 (auparavant %2)</translation>
    </message>
</context>
<context>
    <name>ZipEntry</name>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>l&apos;archive est endommagée (%1)</translation>
    </message>
    <message>
        <source>the archive holds no file %1</source>
        <translation>l&apos;archive ne contient aucun fichier %1</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>le fichier n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
</context>
</TS>
