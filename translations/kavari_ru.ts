<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>Downloads videos, audio tracks and playlists with yt-dlp.</source>
        <translation>Скачивает видео, звуковые дорожки и плейлисты с помощью yt-dlp.</translation>
    </message>
    <message>
        <source>links</source>
        <translation>ссылки</translation>
    </message>
    <message>
        <source>Links to put into the link field, ready to download.</source>
        <translation>Ссылки, которые будут вставлены в поле ссылок для скачивания.</translation>
    </message>
    <message>
        <source>[links...]</source>
        <translation>[ссылки…]</translation>
    </message>
</context>
<context>
    <name>CookieChoice</name>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cookies from</source>
        <translation>Cookie браузера</translation>
    </message>
    <message>
        <source>yt-dlp reads the cookies of the browser chosen here for each download, as its option --cookies-from-browser does; Kavari keeps no copy of them. A site may suspend an account that is used this way.</source>
        <translation>При каждом скачивании yt-dlp читает cookie выбранного здесь браузера, как это делает его параметр --cookies-from-browser; Kavari не хранит их копий. Сайт может заблокировать учётную запись, которая используется таким образом.</translation>
    </message>
    <message>
        <source>The %1 profile %2 is gone; this run goes without cookies.</source>
        <translation>Профиль %1 %2 больше не существует; это скачивание пройдёт без cookie.</translation>
    </message>
    <message>
        <source>sign in to YouTube in a browser first, then retry</source>
        <translation>сначала войдите в YouTube в браузере, затем повторите попытку</translation>
    </message>
    <message>
        <source>sign in to YouTube in %1, then retry</source>
        <translation>войдите в YouTube в %1, затем повторите попытку</translation>
    </message>
    <message>
        <source>choose a browser where you are signed in under &quot;Cookies from&quot;</source>
        <translation>выберите в поле «Cookie браузера» браузер, в котором вы вошли в учётную запись</translation>
    </message>
</context>
<context>
    <name>DenoRelease</name>
    <message>
        <source>deno makes no release for this machine (%1)</source>
        <translation>deno не выпускается для архитектуры этого компьютера (%1)</translation>
    </message>
    <message>
        <source>Updating deno</source>
        <translation>Обновление deno</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.deno/bin where a download would look for it</source>
        <translation>HOME имеет значение «%1», а это не полный путь, поэтому нет папки ~/.deno/bin, в которой Kavari искал бы его при скачивании</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Чтение %1</translation>
    </message>
    <message>
        <source>it gives no checksum of %1</source>
        <translation>в нём нет контрольной суммы %1</translation>
    </message>
    <message>
        <source>Checking the checksum of %1</source>
        <translation>Проверка контрольной суммы %1</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but %2 says %3</source>
        <translation>его SHA-256 — %1, а в %2 указано %3</translation>
    </message>
    <message>
        <source>Checksum of %1: its SHA-256 matches %2</source>
        <translation>Контрольная сумма %1: SHA-256 совпадает с %2</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>Скачивание %1</translation>
    </message>
    <message>
        <source>Extracting deno</source>
        <translation>Распаковка deno</translation>
    </message>
    <message>
        <source>Extracting deno to %1</source>
        <translation>Распаковка deno в %1</translation>
    </message>
    <message>
        <source>it is more than the 512 MiB it may be</source>
        <translation>он больше допустимых 512 MiB</translation>
    </message>
    <message>
        <source>it printed no version</source>
        <translation>он не вывел номер версии</translation>
    </message>
    <message>
        <source>it is %1, older than %2</source>
        <translation>его версия %1 — более ранняя, чем %2</translation>
    </message>
    <message>
        <source>New deno: %1</source>
        <translation>Новый deno: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kavari</source>
        <translation>Показать Kavari</translation>
    </message>
    <message>
        <source>%1
into %2</source>
        <translation>%1
в %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more
into %2</source>
        <translation>
            <numerusform>%1 и ещё %Ln ссылка
в %2</numerusform>
            <numerusform>%1 и ещё %Ln ссылки
в %2</numerusform>
            <numerusform>%1 и ещё %Ln ссылок
в %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>yt-dlp at %1</source>
        <translation>yt-dlp по пути %1</translation>
    </message>
    <message>
        <source>yt-dlp %1 at %2</source>
        <translation>yt-dlp %1 по пути %2</translation>
    </message>
    <message>
        <source>Update it with: %1</source>
        <translation>Обновите его командой: %1</translation>
    </message>
    <message>
        <source>It is your system&apos;s copy, which cannot update itself. Install the current one for yourself, which Kavari then finds in ~/.local/bin: %1</source>
        <translation>Это системная копия, которая не может обновиться сама. Установите актуальную версию для себя — тогда Kavari найдёт её в ~/.local/bin: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>Актуальной версии yt-dlp для YouTube нужна среда выполнения JavaScript deno, но она не найдена. Установите её командой: %1</translation>
    </message>
    <message>
        <source>This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>Этой версии yt-dlp для YouTube нужна среда выполнения JavaScript deno, но она не найдена. Установите её командой: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>Актуальной версии yt-dlp для YouTube нужен deno %1 или новее, а версия deno по пути %2 более ранняя. Установите его командой: %3</translation>
    </message>
    <message>
        <source>This yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>Этой версии yt-dlp для YouTube нужен deno %1 или новее, а версия deno по пути %2 более ранняя. Установите его командой: %3</translation>
    </message>
    <message>
        <source>This format needs ffmpeg, and none was found. Install it with: %1</source>
        <translation>Для этого формата нужен ffmpeg, но он не найден. Установите его командой: %1</translation>
    </message>
    <message>
        <source>its first line names the interpreter %1, which is missing (%2)</source>
        <translation>в его первой строке указан интерпретатор %1, которого нет (%2)</translation>
    </message>
    <message>
        <source>. Python was probably upgraded; reinstall it with: %1</source>
        <translation>. Вероятно, Python был обновлён; переустановите yt-dlp командой: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>This yt-dlp is %Ln days old. Sites such as YouTube change often, and an old yt-dlp stops working with them.</source>
        <translation>
            <numerusform>Этой версии yt-dlp %Ln день. Такие сайты, как YouTube, часто меняются, и старый yt-dlp перестаёт с ними работать.</numerusform>
            <numerusform>Этой версии yt-dlp %Ln дня. Такие сайты, как YouTube, часто меняются, и старый yt-dlp перестаёт с ними работать.</numerusform>
            <numerusform>Этой версии yt-dlp %Ln дней. Такие сайты, как YouTube, часто меняются, и старый yt-dlp перестаёт с ними работать.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureCauses</name>
    <message>
        <source>YouTube wants this connection to prove that a person is behind it; a browser where you are signed in to YouTube usually passes: %1.</source>
        <translation>YouTube требует доказать, что за этим соединением стоит человек; браузер, в котором выполнен вход в YouTube, обычно проходит эту проверку: %1.</translation>
    </message>
    <message>
        <source>Only a signed-in, age-verified account may watch this video: %1.</source>
        <translation>Это видео можно смотреть только после входа в учётную запись с подтверждённым возрастом: %1.</translation>
    </message>
    <message>
        <source>Only accounts with access may watch this video, which is private or for the channel&apos;s members: %1.</source>
        <translation>Это видео с ограниченным доступом или только для спонсоров канала, и смотреть его могут лишь учётные записи с доступом: %1.</translation>
    </message>
    <message>
        <source>The site limits how many videos one connection may fetch (YouTube: about 300 an hour without an account). Wait up to an hour, or retry with pauses between the videos.</source>
        <translation>Сайт ограничивает число видео, которые можно скачать через одно соединение (YouTube: около 300 в час без учётной записи). Подождите (это может занять до часа) или повторите попытку с паузами между видео.</translation>
    </message>
    <message>
        <source>The video is not available where this connection is.</source>
        <translation>Видео недоступно в регионе, из которого выполняется подключение.</translation>
    </message>
    <message>
        <source>The video is gone, or was never public.</source>
        <translation>Видео удалено или никогда не было общедоступным.</translation>
    </message>
    <message>
        <source>YouTube&apos;s player needs the JavaScript runtime deno, and yt-dlp found none it could use.</source>
        <translation>Проигрывателю YouTube нужна среда выполнения JavaScript deno, а yt-dlp не нашёл пригодной.</translation>
    </message>
    <message>
        <source>The site refused the file itself (HTTP 403); most often yt-dlp is older than the site&apos;s last change.</source>
        <translation>Сайт отказал в выдаче самого файла (HTTP 403); чаще всего это значит, что yt-dlp выпущен раньше последнего изменения на сайте.</translation>
    </message>
    <message>
        <source>The disk of the output folder is full: %1 left in %2.</source>
        <translation>Диск папки для сохранения заполнен: в %2 осталось %1.</translation>
    </message>
    <message>
        <source>Kavari&apos;s user may not write to %1: it was refused %2. Choose another output directory.</source>
        <translation>Пользователю, от имени которого работает Kavari, запрещена запись в %1: отказано в доступе к %2. Выберите другую папку для сохранения.</translation>
    </message>
    <message>
        <source>yt-dlp knows no way to read that page: check the link.</source>
        <translation>yt-dlp не умеет читать эту страницу: проверьте ссылку.</translation>
    </message>
    <message>
        <source>There is no connection to the site: check that this computer is online.</source>
        <translation>Нет соединения с сайтом: проверьте, подключён ли компьютер к сети.</translation>
    </message>
    <message>
        <source>yt-dlp could not read the browser&apos;s cookies, which its keyring guards. Install what reads it with: %1</source>
        <translation>yt-dlp не смог прочитать cookie браузера, которые защищает его связка ключей. Установите средство для её чтения командой: %1</translation>
    </message>
    <message>
        <source>The link leads nowhere: check it.</source>
        <translation>Ссылка никуда не ведёт: проверьте её.</translation>
    </message>
    <message>
        <source>This yt-dlp does not know the keyring that guards the browser&apos;s cookies on this desktop; the current yt-dlp does, so updating it mends this.</source>
        <translation>Эта версия yt-dlp не знает связку ключей, которая защищает cookie браузера в этой среде рабочего стола; актуальная версия yt-dlp её знает, поэтому обновление это исправит.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the videos: %1</source>
        <translation>
            <numerusform>%Ln видео: %1</numerusform>
            <numerusform>%Ln видео: %1</numerusform>
            <numerusform>%Ln видео: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %Ln links: %2</source>
        <translation>
            <numerusform>%1 из %Ln ссылки: %2</numerusform>
            <numerusform>%1 из %Ln ссылок: %2</numerusform>
            <numerusform>%1 из %Ln ссылок: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message>
        <source>it had not come whole after %1 s</source>
        <translation>файл не скачался целиком за %1 с</translation>
    </message>
    <message>
        <source>it had not come whole after %1 minutes</source>
        <translation>файл не скачался целиком за %1 мин</translation>
    </message>
    <message>
        <source>Kavari fetches only over https, and %1 is not</source>
        <translation>Kavari скачивает файлы только по https, а %1 — не https</translation>
    </message>
    <message>
        <source>it was sent on to %1, which is not https</source>
        <translation>запрос перенаправлен на %1, а это не https</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB it may be</source>
        <translation>его размер %1 MiB, больше допустимых %2 MiB</translation>
    </message>
    <message>
        <source>it is more than the %1 MiB it may be</source>
        <translation>он больше допустимых %1 MiB</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>его не удалось записать: %1</translation>
    </message>
    <message>
        <source>it was sent on more than %1 times</source>
        <translation>число перенаправлений превысило %1</translation>
    </message>
    <message>
        <source>the server answered %1 %2 instead of the file</source>
        <translation>сервер вернул %1 %2 вместо файла</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 of %2 bytes</source>
        <translation>передача оборвалась после %1 из %2 байт</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>сервер ответил %1 %2</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved; is this computer online?</source>
        <translation>не удалось разрешить имя %1; подключён ли компьютер к сети?</translation>
    </message>
    <message>
        <source>nothing came for %1 s</source>
        <translation>данные не поступали %1 с</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 bytes</source>
        <translation>передача оборвалась, получено байт: %1</translation>
    </message>
</context>
<context>
    <name>KavariWindow</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Please enter a URL</source>
        <translation>Введите ссылку</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Скачивание…</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>Команда: %1</translation>
    </message>
    <message>
        <source>the previous download has not ended yet</source>
        <translation>предыдущее скачивание ещё не завершилось</translation>
    </message>
    <message>
        <source>no program of that name in %1</source>
        <translation>в %1 нет программы с таким именем</translation>
    </message>
    <message>
        <source>
--- Download cancelled by user ---</source>
        <translation>
--- Скачивание отменено пользователем ---</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Скачивание завершено</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Скачивание не удалось</translation>
    </message>
    <message>
        <source>
✓ Download completed successfully!</source>
        <translation>
✓ Скачивание успешно завершено!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>
✗ Download failed or was cancelled</source>
        <translation>
✗ Скачивание не удалось или было отменено</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Не удалось</translation>
    </message>
    <message>
        <source>
✗ yt-dlp could not be started: %1</source>
        <translation>
✗ Не удалось запустить yt-dlp: %1</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Выбор папки для сохранения</translation>
    </message>
    <message>
        <source>Please select an output directory</source>
        <translation>Выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Please enter the output directory as a full path</source>
        <translation>Укажите папку для сохранения полным путём</translation>
    </message>
    <message>
        <source>yt-dlp would load whatever is downloaded into this folder as a plugin at its next start. Please choose another output directory.</source>
        <translation>При следующем запуске yt-dlp подключил бы как модуль всё, что скачано в эту папку. Выберите другую папку для сохранения.</translation>
    </message>
    <message>
        <source>
✗ Removed %1: yt-dlp would have read this downloaded file as its configuration at its next start, and obeyed whatever options it holds.</source>
        <translation>
✗ Удалён %1: при следующем запуске yt-dlp прочитал бы этот скачанный файл как свою конфигурацию и выполнил бы все указанные в нём параметры.</translation>
    </message>
    <message>
        <source>%1, cookies from %2</source>
        <translation>%1, cookie из %2</translation>
    </message>
    <message>
        <source>Mode: Single video download</source>
        <translation>Режим: скачивание одного видео</translation>
    </message>
    <message>
        <source>Mode: Full playlist download</source>
        <translation>Режим: скачивание всего плейлиста</translation>
    </message>
    <message>
        <source>Mode: Single file download (playlist ignored)</source>
        <translation>Режим: скачивание одного файла (плейлист не учитывается)</translation>
    </message>
    <message>
        <source>Kavari - By Tolmend</source>
        <translation>Kavari — от Tolmend</translation>
    </message>
    <message>
        <source>Video URL</source>
        <translation>Ссылка на видео</translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation>Вставьте сюда ссылку на YouTube…</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Параметры формата</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>MP3 (Audio)</source>
        <translation>MP3 (аудио)</translation>
    </message>
    <message>
        <source>M4A (Audio)</source>
        <translation>M4A (аудио)</translation>
    </message>
    <message>
        <source>Best Video + Audio</source>
        <translation>Лучшее видео + звук</translation>
    </message>
    <message>
        <source>720p Video</source>
        <translation>Видео 720p</translation>
    </message>
    <message>
        <source>1080p Video</source>
        <translation>Видео 1080p</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Качество звука:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Лучшее</translation>
    </message>
    <message>
        <source>High (192k)</source>
        <translation>Высокое (192k)</translation>
    </message>
    <message>
        <source>Medium (128k)</source>
        <translation>Среднее (128k)</translation>
    </message>
    <message>
        <source>Low (64k)</source>
        <translation>Низкое (64k)</translation>
    </message>
    <message>
        <source>Download entire playlist</source>
        <translation>Скачать весь плейлист</translation>
    </message>
    <message>
        <source>Cookies from:</source>
        <translation>Cookie браузера:</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Ход скачивания</translation>
    </message>
    <message>
        <source>Update yt-dlp</source>
        <translation>Обновить yt-dlp</translation>
    </message>
    <message>
        <source>Output Log</source>
        <translation>Журнал вывода</translation>
    </message>
    <message>
        <source>Removed %1: the download was stopped while yt-dlp was still writing it.</source>
        <translation>Удалён %1: скачивание было остановлено, когда yt-dlp ещё записывал этот файл.</translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, playlists whole</source>
        <translation>
            <numerusform>Режим: %Ln ссылка, плейлисты целиком</numerusform>
            <numerusform>Режим: %Ln ссылки, плейлисты целиком</numerusform>
            <numerusform>Режим: %Ln ссылок, плейлисты целиком</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, one video each</source>
        <translation>
            <numerusform>Режим: %Ln ссылка, по одному видео с каждой</numerusform>
            <numerusform>Режим: %Ln ссылки, по одному видео с каждой</numerusform>
            <numerusform>Режим: %Ln ссылок, по одному видео с каждой</numerusform>
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
        <translation>… не показано символов: %1</translation>
    </message>
    <message numerus="yes">
        <source>… %Ln lines not shown: they came faster than the log could show them</source>
        <translation>
            <numerusform>… %Ln строка не показана: строки приходили быстрее, чем журнал успевал их показывать</numerusform>
            <numerusform>… %Ln строки не показаны: они приходили быстрее, чем журнал успевал их показывать</numerusform>
            <numerusform>… %Ln строк не показано: они приходили быстрее, чем журнал успевал их показывать</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReleaseFiles</name>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is not a full path</source>
        <translation>связка ключей %1, указанная в KAVARI_YTDLP_KEYRING, задана не полным путём</translation>
    </message>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is missing</source>
        <translation>связка ключей %1, указанная в KAVARI_YTDLP_KEYRING, отсутствует</translation>
    </message>
    <message>
        <source>the keyring %1 is missing; reinstall Kavari</source>
        <translation>связка ключей %1 отсутствует; переустановите Kavari</translation>
    </message>
    <message>
        <source>the keyring %1 is not a file</source>
        <translation>связка ключей %1 — не файл</translation>
    </message>
    <message>
        <source>the keyring %1 cannot be read</source>
        <translation>связку ключей %1 не удаётся прочитать</translation>
    </message>
    <message>
        <source>it is signed by another key (%1), not by yt-dlp&apos;s release key</source>
        <translation>он подписан другим ключом (%1), а не ключом выпусков yt-dlp</translation>
    </message>
    <message>
        <source>the signature does not match the file: it was changed after it was signed</source>
        <translation>подпись не соответствует файлу: он был изменён после подписания</translation>
    </message>
    <message>
        <source>it is signed by a revoked key, which proves nothing any more</source>
        <translation>он подписан отозванным ключом, который больше ничего не подтверждает</translation>
    </message>
    <message>
        <source>it is signed by an expired key</source>
        <translation>он подписан ключом с истёкшим сроком действия</translation>
    </message>
    <message>
        <source>the signature has expired</source>
        <translation>срок действия подписи истёк</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>подпись не удалось проверить</translation>
    </message>
    <message>
        <source>gpgv gave no verdict</source>
        <translation>gpgv не вынес заключения</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.local/bin where a download would look for it. Log in again, or set HOME to your home folder, and try once more</source>
        <translation>HOME имеет значение «%1», а это не полный путь, поэтому нет папки ~/.local/bin, в которой Kavari искал бы его при скачивании. Войдите в систему заново или укажите в HOME свою домашнюю папку и попробуйте ещё раз</translation>
    </message>
    <message>
        <source>%1 is a link to %2</source>
        <translation>%1 — символическая ссылка на %2</translation>
    </message>
    <message>
        <source>%1 is not yt-dlp&apos;s release file but another install</source>
        <translation>%1 — не файл выпуска yt-dlp, а другая установка</translation>
    </message>
    <message>
        <source>the tool that installed it, such as: %1</source>
        <translation>программы, которой он был установлен, например: %1</translation>
    </message>
    <message>
        <source>%1, and Kavari leaves it as it is. Update it with %2</source>
        <translation>%1, и Kavari его не трогает. Обновите его с помощью %2</translation>
    </message>
</context>
<context>
    <name>ReleaseJob</name>
    <message>
        <source>Fetching %1 from %2</source>
        <translation>Скачивание %1 с %2</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>Скачивание %1</translation>
    </message>
    <message>
        <source>Making a work folder</source>
        <translation>Создание рабочей папки</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>в %1 ничего нельзя записать: %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Запись %1</translation>
    </message>
    <message>
        <source>Installing %1</source>
        <translation>Установка %1</translation>
    </message>
    <message>
        <source>Checking the new %1</source>
        <translation>Проверка нового %1</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Установлено: %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 — ошибка: %2</translation>
    </message>
</context>
<context>
    <name>RetryOffer</name>
    <message>
        <source>Retry with cookies from %1</source>
        <translation>Повторить с cookie из %1</translation>
    </message>
    <message>
        <source>Retry, pausing between videos</source>
        <translation>Повторить с паузами между видео</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message numerus="yes">
        <source>… %Ln earlier lines not kept</source>
        <translation>
            <numerusform>… %Ln более ранняя строка не сохранена</numerusform>
            <numerusform>… %Ln более ранние строки не сохранены</numerusform>
            <numerusform>… %Ln более ранних строк не сохранено</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSandbox</name>
    <message>
        <source>no working folder could be made in %1: %2</source>
        <translation>не удалось создать рабочую папку в %1: %2</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>ваша дисковая квота исчерпана</translation>
    </message>
    <message>
        <source>the folder %1 could not be made: %2</source>
        <translation>не удалось создать папку %1: %2</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>в %1 ничего нельзя записать: %2</translation>
    </message>
    <message>
        <source>it could not be written to %1: %2</source>
        <translation>его не удалось записать в %1: %2</translation>
    </message>
    <message>
        <source>it could not be made executable: %1</source>
        <translation>его не удалось сделать исполняемым: %1</translation>
    </message>
    <message>
        <source>it could not be put in place of %1: %2</source>
        <translation>его не удалось поставить на место %1: %2</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The Download button now reads Cancel</source>
        <translation>Кнопка «Скачать» теперь называется «Отмена»</translation>
    </message>
</context>
<context>
    <name>UpdateOffer</name>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp and deno, checked before they run.</source>
        <translation>Нажмите «Обновить yt-dlp», чтобы скачать актуальные версии yt-dlp и deno; перед запуском они будут проверены.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp, checked before it runs.</source>
        <translation>Нажмите «Обновить yt-dlp», чтобы скачать актуальную версию yt-dlp; перед запуском она будет проверена.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current deno, checked before it runs.</source>
        <translation>Нажмите «Обновить yt-dlp», чтобы скачать актуальную версию deno; перед запуском она будет проверена.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Updating yt-dlp...</source>
        <translation>Обновление yt-dlp…</translation>
    </message>
    <message>
        <source>
Click Download to try again.</source>
        <translation>
Нажмите «Скачать», чтобы повторить попытку.</translation>
    </message>
    <message>
        <source>
✗ %1</source>
        <translation>
✗ %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Обновлено</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Обновление не удалось</translation>
    </message>
    <message>
        <source>
--- Update cancelled by user ---</source>
        <translation>
--- Обновление отменено пользователем ---</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Обновление отменено</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>%1; deno is left out</source>
        <translation>%1; deno пропущен</translation>
    </message>
</context>
<context>
    <name>YtDlpRelease</name>
    <message>
        <source>Updating yt-dlp</source>
        <translation>Обновление yt-dlp</translation>
    </message>
    <message>
        <source>Upgrading yt-dlp with pipx</source>
        <translation>Обновление yt-dlp через pipx</translation>
    </message>
    <message>
        <source>no pipx was found; install it with: %1</source>
        <translation>pipx не найден; установите его командой: %1</translation>
    </message>
    <message>
        <source>yt-dlp is pipx&apos;s; running: %1</source>
        <translation>yt-dlp установлен через pipx; выполняется: %1</translation>
    </message>
    <message>
        <source>pipx ended with exit code %1</source>
        <translation>pipx завершился с кодом %1</translation>
    </message>
    <message>
        <source>Checking the signature of SHA2-256SUMS</source>
        <translation>Проверка подписи SHA2-256SUMS</translation>
    </message>
    <message>
        <source>gpgv was not found; install it with: %1</source>
        <translation>gpgv не найден; установите его командой: %1</translation>
    </message>
    <message>
        <source>Signature of SHA2-256SUMS: good, by the key %1 of %2</source>
        <translation>Подпись SHA2-256SUMS верна: ключ %1 из связки ключей %2</translation>
    </message>
    <message>
        <source>Reading SHA2-256SUMS</source>
        <translation>Чтение SHA2-256SUMS</translation>
    </message>
    <message>
        <source>it gives no checksum of yt-dlp</source>
        <translation>в нём нет контрольной суммы yt-dlp</translation>
    </message>
    <message>
        <source>Checksum of yt-dlp: its SHA-256 matches SHA2-256SUMS</source>
        <translation>Контрольная сумма yt-dlp: SHA-256 совпадает с SHA2-256SUMS</translation>
    </message>
    <message>
        <source>The checksum of yt-dlp does not match SHA2-256SUMS; fetching the release once more</source>
        <translation>Контрольная сумма yt-dlp не совпадает с SHA2-256SUMS; выпуск будет скачан ещё раз</translation>
    </message>
    <message>
        <source>Checking the checksum of yt-dlp</source>
        <translation>Проверка контрольной суммы yt-dlp</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but SHA2-256SUMS says %2</source>
        <translation>его SHA-256 — %1, а в SHA2-256SUMS указано %2</translation>
    </message>
    <message>
        <source>it printed no version; it needs Python 3.10 or newer as python3</source>
        <translation>он не вывел номер версии; ему нужен Python 3.10 или новее в качестве python3</translation>
    </message>
    <message>
        <source>the release offers nothing newer than %1</source>
        <translation>в выпуске нет ничего новее %1</translation>
    </message>
    <message>
        <source>New yt-dlp: %1 (was %2)</source>
        <translation>Новый yt-dlp: %1 (был %2)</translation>
    </message>
</context>
<context>
    <name>ZipEntry</name>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>архив повреждён (%1)</translation>
    </message>
    <message>
        <source>the archive holds no file %1</source>
        <translation>в архиве нет файла %1</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>его не удалось записать: %1</translation>
    </message>
</context>
</TS>
