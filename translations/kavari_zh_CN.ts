<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Downloads videos, audio tracks and playlists with yt-dlp.</source>
        <translation>使用 yt-dlp 下载视频、音轨和播放列表。</translation>
    </message>
    <message>
        <source>links</source>
        <translation>链接</translation>
    </message>
    <message>
        <source>Links to put into the link field, ready to download.</source>
        <translation>要填入链接输入框、准备下载的链接。</translation>
    </message>
    <message>
        <source>[links...]</source>
        <translation>[链接...]</translation>
    </message>
</context>
<context>
    <name>CookieChoice</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Cookies from</source>
        <translation>Cookie 来源</translation>
    </message>
    <message>
        <source>yt-dlp reads the cookies of the browser chosen here for each download, as its option --cookies-from-browser does; Kavari keeps no copy of them. A site may suspend an account that is used this way.</source>
        <translation>每次下载时，yt-dlp 都会读取此处所选浏览器的 Cookie，效果等同于它的 --cookies-from-browser 选项；Kavari 不会保留 Cookie 的副本。网站可能会封禁以这种方式使用的账号。</translation>
    </message>
    <message>
        <source>The %1 profile %2 is gone; this run goes without cookies.</source>
        <translation>%1 的配置文件 %2 已不存在；本次下载将不使用 Cookie。</translation>
    </message>
    <message>
        <source>sign in to YouTube in a browser first, then retry</source>
        <translation>请先在浏览器中登录 YouTube，然后重试</translation>
    </message>
    <message>
        <source>sign in to YouTube in %1, then retry</source>
        <translation>请在 %1 中登录 YouTube，然后重试</translation>
    </message>
    <message>
        <source>choose a browser where you are signed in under &quot;Cookies from&quot;</source>
        <translation>请在“Cookie 来源”中选择一个您已登录的浏览器</translation>
    </message>
</context>
<context>
    <name>DenoRelease</name>
    <message>
        <source>deno makes no release for this machine (%1)</source>
        <translation>deno 未提供适用于此计算机（%1）的版本</translation>
    </message>
    <message>
        <source>Updating deno</source>
        <translation>更新 deno</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.deno/bin where a download would look for it</source>
        <translation>HOME 为“%1”，不是完整路径，因此下载时无法在 ~/.deno/bin 中查找 deno</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>读取 %1</translation>
    </message>
    <message>
        <source>it gives no checksum of %1</source>
        <translation>其中没有 %1 的校验和</translation>
    </message>
    <message>
        <source>Checking the checksum of %1</source>
        <translation>检查 %1 的校验和</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but %2 says %3</source>
        <translation>其 SHA-256 为 %1，但 %2 中记录的是 %3</translation>
    </message>
    <message>
        <source>Checksum of %1: its SHA-256 matches %2</source>
        <translation>%1 的校验和：其 SHA-256 与 %2 相符</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>获取 %1</translation>
    </message>
    <message>
        <source>Extracting deno</source>
        <translation>解压 deno</translation>
    </message>
    <message>
        <source>Extracting deno to %1</source>
        <translation>正在将 deno 解压到 %1</translation>
    </message>
    <message>
        <source>it is more than the 512 MiB it may be</source>
        <translation>其大小超过了 512 MiB 的上限</translation>
    </message>
    <message>
        <source>it printed no version</source>
        <translation>它没有输出版本号</translation>
    </message>
    <message>
        <source>it is %1, older than %2</source>
        <translation>其版本为 %1，低于 %2</translation>
    </message>
    <message>
        <source>New deno: %1</source>
        <translation>新的 deno：%1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kavari</source>
        <translation>显示 Kavari</translation>
    </message>
    <message>
        <source>%1
into %2</source>
        <translation>%1
保存到 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more
into %2</source>
        <translation>
            <numerusform>%1 及另外 %Ln 个链接
保存到 %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>yt-dlp at %1</source>
        <translation>位于 %1 的 yt-dlp</translation>
    </message>
    <message>
        <source>yt-dlp %1 at %2</source>
        <translation>位于 %2 的 yt-dlp %1</translation>
    </message>
    <message>
        <source>Update it with: %1</source>
        <translation>请用以下命令更新：%1</translation>
    </message>
    <message>
        <source>It is your system&apos;s copy, which cannot update itself. Install the current one for yourself, which Kavari then finds in ~/.local/bin: %1</source>
        <translation>这是系统自带的副本，无法自行更新。请另行为当前用户安装最新版本，Kavari 随后会在 ~/.local/bin 中找到它：%1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>最新的 yt-dlp 处理 YouTube 时需要 JavaScript 运行时 deno，但未找到。请用以下命令安装：%1</translation>
    </message>
    <message>
        <source>This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>此 yt-dlp 处理 YouTube 时需要 JavaScript 运行时 deno，但未找到。请用以下命令安装：%1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>最新的 yt-dlp 处理 YouTube 时需要 deno %1 或更高版本，而位于 %2 的 deno 版本较旧。请用以下命令安装：%3</translation>
    </message>
    <message>
        <source>This yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>此 yt-dlp 处理 YouTube 时需要 deno %1 或更高版本，而位于 %2 的 deno 版本较旧。请用以下命令安装：%3</translation>
    </message>
    <message>
        <source>This format needs ffmpeg, and none was found. Install it with: %1</source>
        <translation>此格式需要 ffmpeg，但未找到。请用以下命令安装：%1</translation>
    </message>
    <message>
        <source>its first line names the interpreter %1, which is missing (%2)</source>
        <translation>其第一行指定的解释器 %1 不存在（%2）</translation>
    </message>
    <message>
        <source>. Python was probably upgraded; reinstall it with: %1</source>
        <translation>。Python 可能已升级；请用以下命令重新安装 yt-dlp：%1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message numerus="yes">
        <source>This yt-dlp is %Ln days old. Sites such as YouTube change often, and an old yt-dlp stops working with them.</source>
        <translation>
            <numerusform>此 yt-dlp 已发布 %Ln 天。YouTube 等网站经常变化，旧版 yt-dlp 很快就会在这些网站上失效。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureCauses</name>
    <message>
        <source>YouTube wants this connection to prove that a person is behind it; a browser where you are signed in to YouTube usually passes: %1.</source>
        <translation>YouTube 要求此连接证明其背后是真人；已登录 YouTube 的浏览器通常能通过验证：%1。</translation>
    </message>
    <message>
        <source>Only a signed-in, age-verified account may watch this video: %1.</source>
        <translation>只有已登录且通过年龄验证的账号才能观看此视频：%1。</translation>
    </message>
    <message>
        <source>Only accounts with access may watch this video, which is private or for the channel&apos;s members: %1.</source>
        <translation>此视频为私享视频或频道会员专享，只有具有访问权限的账号才能观看：%1。</translation>
    </message>
    <message>
        <source>The site limits how many videos one connection may fetch (YouTube: about 300 an hour without an account). Wait up to an hour, or retry with pauses between the videos.</source>
        <translation>该网站限制了单个连接可获取的视频数量（YouTube：未登录时每小时约 300 个）。请等待至多一小时，或重试并在视频之间暂停。</translation>
    </message>
    <message>
        <source>The video is not available where this connection is.</source>
        <translation>此视频在此连接所在的地区不可用。</translation>
    </message>
    <message>
        <source>The video is gone, or was never public.</source>
        <translation>此视频已被删除，或从未公开。</translation>
    </message>
    <message>
        <source>YouTube&apos;s player needs the JavaScript runtime deno, and yt-dlp found none it could use.</source>
        <translation>YouTube 的播放器需要 JavaScript 运行时 deno，而 yt-dlp 没有找到可用的 deno。</translation>
    </message>
    <message>
        <source>The site refused the file itself (HTTP 403); most often yt-dlp is older than the site&apos;s last change.</source>
        <translation>网站拒绝提供文件本身（HTTP 403）；最常见的原因是 yt-dlp 的版本早于该网站最近一次改动。</translation>
    </message>
    <message>
        <source>The disk of the output folder is full: %1 left in %2.</source>
        <translation>输出文件夹所在的磁盘已满：%2 中仅剩 %1。</translation>
    </message>
    <message>
        <source>Kavari&apos;s user may not write to %1: it was refused %2. Choose another output directory.</source>
        <translation>运行 Kavari 的用户无权写入 %1：对 %2 的访问被拒绝。请选择其他输出文件夹。</translation>
    </message>
    <message>
        <source>yt-dlp knows no way to read that page: check the link.</source>
        <translation>yt-dlp 不支持读取该页面：请检查链接。</translation>
    </message>
    <message>
        <source>There is no connection to the site: check that this computer is online.</source>
        <translation>无法连接到该网站：请检查此计算机是否已联网。</translation>
    </message>
    <message>
        <source>yt-dlp could not read the browser&apos;s cookies, which its keyring guards. Install what reads it with: %1</source>
        <translation>yt-dlp 无法读取浏览器的 Cookie，它们受浏览器的密钥环保护。请用以下命令安装读取密钥环所需的组件：%1</translation>
    </message>
    <message>
        <source>The link leads nowhere: check it.</source>
        <translation>该链接指向的内容不存在：请检查链接。</translation>
    </message>
    <message>
        <source>This yt-dlp does not know the keyring that guards the browser&apos;s cookies on this desktop; the current yt-dlp does, so updating it mends this.</source>
        <translation>此 yt-dlp 不支持此桌面环境中保护浏览器 Cookie 的密钥环；最新的 yt-dlp 支持，因此更新即可解决。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the videos: %1</source>
        <translation>
            <numerusform>其中 %Ln 个视频：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %Ln links: %2</source>
        <translation>
            <numerusform>%Ln 个链接中的 %1 个：%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message>
        <source>it had not come whole after %1 s</source>
        <translation>%1 秒后仍未完整接收</translation>
    </message>
    <message>
        <source>it had not come whole after %1 minutes</source>
        <translation>%1 分钟后仍未完整接收</translation>
    </message>
    <message>
        <source>Kavari fetches only over https, and %1 is not</source>
        <translation>Kavari 只通过 https 获取文件，而 %1 不是 https</translation>
    </message>
    <message>
        <source>it was sent on to %1, which is not https</source>
        <translation>它被重定向到 %1，而该地址不是 https</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB it may be</source>
        <translation>其大小为 %1 MiB，超过了 %2 MiB 的上限</translation>
    </message>
    <message>
        <source>it is more than the %1 MiB it may be</source>
        <translation>其大小超过了 %1 MiB 的上限</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>it was sent on more than %1 times</source>
        <translation>重定向次数超过 %1 次</translation>
    </message>
    <message>
        <source>the server answered %1 %2 instead of the file</source>
        <translation>服务器返回了 %1 %2，而不是文件</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 of %2 bytes</source>
        <translation>传输中途中断，仅收到 %2 字节中的 %1 字节</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>服务器返回 %1 %2</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved; is this computer online?</source>
        <translation>无法解析主机名 %1；此计算机是否已联网？</translation>
    </message>
    <message>
        <source>nothing came for %1 s</source>
        <translation>%1 秒内没有收到任何数据</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 bytes</source>
        <translation>传输中途中断，仅收到 %1 字节</translation>
    </message>
</context>
<context>
    <name>KavariWindow</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Please enter a URL</source>
        <translation>请输入链接</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>正在下载…</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>命令：%1</translation>
    </message>
    <message>
        <source>the previous download has not ended yet</source>
        <translation>上一次下载尚未结束</translation>
    </message>
    <message>
        <source>no program of that name in %1</source>
        <translation>在 %1 中找不到该名称的程序</translation>
    </message>
    <message>
        <source>
--- Download cancelled by user ---</source>
        <translation>
--- 用户已取消下载 ---</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <source>
✓ Download completed successfully!</source>
        <translation>
✓ 下载成功完成！</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>
✗ Download failed or was cancelled</source>
        <translation>
✗ 下载失败或已取消</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>
✗ yt-dlp could not be started: %1</source>
        <translation>
✗ 无法启动 yt-dlp：%1</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Please select an output directory</source>
        <translation>请选择输出文件夹</translation>
    </message>
    <message>
        <source>Please enter the output directory as a full path</source>
        <translation>请输入输出文件夹的完整路径</translation>
    </message>
    <message>
        <source>yt-dlp would load whatever is downloaded into this folder as a plugin at its next start. Please choose another output directory.</source>
        <translation>yt-dlp 下次启动时会将下载到此文件夹中的任何内容作为插件加载。请选择其他输出文件夹。</translation>
    </message>
    <message>
        <source>
✗ Removed %1: yt-dlp would have read this downloaded file as its configuration at its next start, and obeyed whatever options it holds.</source>
        <translation>
✗ 已删除 %1：否则 yt-dlp 下次启动时会把这个下载来的文件当作自己的配置文件读取，并执行其中的任何选项。</translation>
    </message>
    <message>
        <source>%1, cookies from %2</source>
        <translation>%1，使用 %2 的 Cookie</translation>
    </message>
    <message>
        <source>Mode: Single video download</source>
        <translation>模式：下载单个视频</translation>
    </message>
    <message>
        <source>Mode: Full playlist download</source>
        <translation>模式：下载整个播放列表</translation>
    </message>
    <message>
        <source>Mode: Single file download (playlist ignored)</source>
        <translation>模式：下载单个文件（忽略播放列表）</translation>
    </message>
    <message>
        <source>Kavari - By Tolmend</source>
        <translation>Kavari - Tolmend 出品</translation>
    </message>
    <message>
        <source>Video URL</source>
        <translation>视频链接</translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation>在此粘贴 YouTube 链接…</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>格式选项</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>MP3 (Audio)</source>
        <translation>MP3（音频）</translation>
    </message>
    <message>
        <source>M4A (Audio)</source>
        <translation>M4A（音频）</translation>
    </message>
    <message>
        <source>Best Video + Audio</source>
        <translation>最佳视频 + 音频</translation>
    </message>
    <message>
        <source>720p Video</source>
        <translation>720p 视频</translation>
    </message>
    <message>
        <source>1080p Video</source>
        <translation>1080p 视频</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>音频质量：</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>High (192k)</source>
        <translation>高（192k）</translation>
    </message>
    <message>
        <source>Medium (128k)</source>
        <translation>中（128k）</translation>
    </message>
    <message>
        <source>Low (64k)</source>
        <translation>低（64k）</translation>
    </message>
    <message>
        <source>Download entire playlist</source>
        <translation>下载整个播放列表</translation>
    </message>
    <message>
        <source>Cookies from:</source>
        <translation>Cookie 来源：</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>下载进度</translation>
    </message>
    <message>
        <source>Update yt-dlp</source>
        <translation>更新 yt-dlp</translation>
    </message>
    <message>
        <source>Output Log</source>
        <translation>输出日志</translation>
    </message>
    <message>
        <source>Removed %1: the download was stopped while yt-dlp was still writing it.</source>
        <translation>已删除 %1：下载停止时 yt-dlp 仍在写入该文件。</translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, playlists whole</source>
        <translation>
            <numerusform>模式：%Ln 个链接，完整下载播放列表</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, one video each</source>
        <translation>
            <numerusform>模式：%Ln 个链接，每个链接下载一个视频</numerusform>
        </translation>
    </message>
    <message>
        <source>%p%</source>
        <comment>the progress bar&apos;s text: %p is the percent done</comment>
        <translation>%p%</translation>
    </message>
</context>
<context>
    <name>OutputQueue</name>
    <message>
        <source>… %1 more characters not shown</source>
        <translation>… 另有 %1 个字符未显示</translation>
    </message>
    <message numerus="yes">
        <source>… %Ln lines not shown: they came faster than the log could show them</source>
        <translation>
            <numerusform>… 有 %Ln 行未显示：输出速度超过了日志的显示速度</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReleaseFiles</name>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is not a full path</source>
        <translation>KAVARI_YTDLP_KEYRING 指定的密钥环 %1 不是完整路径</translation>
    </message>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is missing</source>
        <translation>KAVARI_YTDLP_KEYRING 指定的密钥环 %1 不存在</translation>
    </message>
    <message>
        <source>the keyring %1 is missing; reinstall Kavari</source>
        <translation>密钥环 %1 不存在；请重新安装 Kavari</translation>
    </message>
    <message>
        <source>the keyring %1 is not a file</source>
        <translation>密钥环 %1 不是文件</translation>
    </message>
    <message>
        <source>the keyring %1 cannot be read</source>
        <translation>无法读取密钥环 %1</translation>
    </message>
    <message>
        <source>it is signed by another key (%1), not by yt-dlp&apos;s release key</source>
        <translation>它由另一个密钥（%1）签名，而不是由 yt-dlp 的发布密钥签名</translation>
    </message>
    <message>
        <source>the signature does not match the file: it was changed after it was signed</source>
        <translation>签名与文件不符：文件在签名后被修改过</translation>
    </message>
    <message>
        <source>it is signed by a revoked key, which proves nothing any more</source>
        <translation>它由已吊销的密钥签名，这样的签名已不再有任何证明效力</translation>
    </message>
    <message>
        <source>it is signed by an expired key</source>
        <translation>它由已过期的密钥签名</translation>
    </message>
    <message>
        <source>the signature has expired</source>
        <translation>签名已过期</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>无法检查签名</translation>
    </message>
    <message>
        <source>gpgv gave no verdict</source>
        <translation>gpgv 未给出验证结果</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.local/bin where a download would look for it. Log in again, or set HOME to your home folder, and try once more</source>
        <translation>HOME 为“%1”，不是完整路径，因此下载时无法在 ~/.local/bin 中查找 yt-dlp。请注销并重新登录，或将 HOME 设为您的主文件夹，然后再试一次</translation>
    </message>
    <message>
        <source>%1 is a link to %2</source>
        <translation>%1 是指向 %2 的符号链接</translation>
    </message>
    <message>
        <source>%1 is not yt-dlp&apos;s release file but another install</source>
        <translation>%1 不是 yt-dlp 的发布文件，而是以其他方式安装的</translation>
    </message>
    <message>
        <source>the tool that installed it, such as: %1</source>
        <translation>安装它的工具，例如：%1</translation>
    </message>
    <message>
        <source>%1, and Kavari leaves it as it is. Update it with %2</source>
        <translation>%1，Kavari 不会改动它。更新方式：%2</translation>
    </message>
</context>
<context>
    <name>ReleaseJob</name>
    <message>
        <source>Fetching %1 from %2</source>
        <translation>正在从 %2 获取 %1</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>获取 %1</translation>
    </message>
    <message>
        <source>Making a work folder</source>
        <translation>创建工作文件夹</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>无法在 %1 中写入任何内容：%2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>写入 %1</translation>
    </message>
    <message>
        <source>Installing %1</source>
        <translation>安装 %1</translation>
    </message>
    <message>
        <source>Checking the new %1</source>
        <translation>检查新的 %1</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>已安装 %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 失败：%2</translation>
    </message>
</context>
<context>
    <name>RetryOffer</name>
    <message>
        <source>Retry with cookies from %1</source>
        <translation>使用 %1 的 Cookie 重试</translation>
    </message>
    <message>
        <source>Retry, pausing between videos</source>
        <translation>重试并在视频之间暂停</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message numerus="yes">
        <source>… %Ln earlier lines not kept</source>
        <translation>
            <numerusform>… 较早的 %Ln 行未保留</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSandbox</name>
    <message>
        <source>no working folder could be made in %1: %2</source>
        <translation>无法在 %1 中创建工作文件夹：%2</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>您的磁盘配额已用完</translation>
    </message>
    <message>
        <source>the folder %1 could not be made: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>无法在 %1 中写入任何内容：%2</translation>
    </message>
    <message>
        <source>it could not be written to %1: %2</source>
        <translation>无法将它写入 %1：%2</translation>
    </message>
    <message>
        <source>it could not be made executable: %1</source>
        <translation>无法将它设为可执行：%1</translation>
    </message>
    <message>
        <source>it could not be put in place of %1: %2</source>
        <translation>无法用它替换 %1：%2</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The Download button now reads Cancel</source>
        <translation>“下载”按钮现在显示为“取消”</translation>
    </message>
</context>
<context>
    <name>UpdateOffer</name>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp and deno, checked before they run.</source>
        <translation>点击“更新 yt-dlp”以获取最新的 yt-dlp 和 deno，它们在运行前会经过检查。</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp, checked before it runs.</source>
        <translation>点击“更新 yt-dlp”以获取最新的 yt-dlp，它在运行前会经过检查。</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current deno, checked before it runs.</source>
        <translation>点击“更新 yt-dlp”以获取最新的 deno，它在运行前会经过检查。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Updating yt-dlp...</source>
        <translation>正在更新 yt-dlp…</translation>
    </message>
    <message>
        <source>
Click Download to try again.</source>
        <translation>
点击“下载”重试。</translation>
    </message>
    <message>
        <source>
✗ %1</source>
        <translation>
✗ %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>已更新</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新失败</translation>
    </message>
    <message>
        <source>
--- Update cancelled by user ---</source>
        <translation>
--- 用户已取消更新 ---</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>更新已取消</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>%1; deno is left out</source>
        <translation>%1；已跳过 deno</translation>
    </message>
</context>
<context>
    <name>YtDlpRelease</name>
    <message>
        <source>Updating yt-dlp</source>
        <translation>更新 yt-dlp</translation>
    </message>
    <message>
        <source>Upgrading yt-dlp with pipx</source>
        <translation>使用 pipx 升级 yt-dlp</translation>
    </message>
    <message>
        <source>no pipx was found; install it with: %1</source>
        <translation>未找到 pipx；请用以下命令安装：%1</translation>
    </message>
    <message>
        <source>yt-dlp is pipx&apos;s; running: %1</source>
        <translation>yt-dlp 由 pipx 安装；正在运行：%1</translation>
    </message>
    <message>
        <source>pipx ended with exit code %1</source>
        <translation>pipx 以退出码 %1 结束</translation>
    </message>
    <message>
        <source>Checking the signature of SHA2-256SUMS</source>
        <translation>检查 SHA2-256SUMS 的签名</translation>
    </message>
    <message>
        <source>gpgv was not found; install it with: %1</source>
        <translation>未找到 gpgv；请用以下命令安装：%1</translation>
    </message>
    <message>
        <source>Signature of SHA2-256SUMS: good, by the key %1 of %2</source>
        <translation>SHA2-256SUMS 的签名：有效，签名密钥为 %2 中的 %1</translation>
    </message>
    <message>
        <source>Reading SHA2-256SUMS</source>
        <translation>读取 SHA2-256SUMS</translation>
    </message>
    <message>
        <source>it gives no checksum of yt-dlp</source>
        <translation>其中没有 yt-dlp 的校验和</translation>
    </message>
    <message>
        <source>Checksum of yt-dlp: its SHA-256 matches SHA2-256SUMS</source>
        <translation>yt-dlp 的校验和：其 SHA-256 与 SHA2-256SUMS 相符</translation>
    </message>
    <message>
        <source>The checksum of yt-dlp does not match SHA2-256SUMS; fetching the release once more</source>
        <translation>yt-dlp 的校验和与 SHA2-256SUMS 不符；正在重新获取该版本</translation>
    </message>
    <message>
        <source>Checking the checksum of yt-dlp</source>
        <translation>检查 yt-dlp 的校验和</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but SHA2-256SUMS says %2</source>
        <translation>其 SHA-256 为 %1，但 SHA2-256SUMS 中记录的是 %2</translation>
    </message>
    <message>
        <source>it printed no version; it needs Python 3.10 or newer as python3</source>
        <translation>它没有输出版本号；它需要 python3 为 Python 3.10 或更高版本</translation>
    </message>
    <message>
        <source>the release offers nothing newer than %1</source>
        <translation>最新发布的版本并不比 %1 新</translation>
    </message>
    <message>
        <source>New yt-dlp: %1 (was %2)</source>
        <translation>新的 yt-dlp：%1（之前为 %2）</translation>
    </message>
</context>
<context>
    <name>ZipEntry</name>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>归档文件已损坏（%1）</translation>
    </message>
    <message>
        <source>the archive holds no file %1</source>
        <translation>归档文件中没有文件 %1</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>无法写入：%1</translation>
    </message>
</context>
</TS>
