<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Downloads videos, audio tracks and playlists with yt-dlp.</source>
        <translation>Baixa vídeos, faixas de áudio e listas de reprodução com o yt-dlp.</translation>
    </message>
    <message>
        <source>links</source>
        <translation>links</translation>
    </message>
    <message>
        <source>Links to put into the link field, ready to download.</source>
        <translation>Links a serem colocados no campo de link, prontos para baixar.</translation>
    </message>
    <message>
        <source>[links...]</source>
        <translation>[links…]</translation>
    </message>
</context>
<context>
    <name>CookieChoice</name>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Cookies from</source>
        <translation>Cookies de</translation>
    </message>
    <message>
        <source>yt-dlp reads the cookies of the browser chosen here for each download, as its option --cookies-from-browser does; Kavari keeps no copy of them. A site may suspend an account that is used this way.</source>
        <translation>O yt-dlp lê os cookies do navegador escolhido aqui a cada download, como faz com a opção --cookies-from-browser; o Kavari não guarda nenhuma cópia deles. Um site pode suspender uma conta usada dessa forma.</translation>
    </message>
    <message>
        <source>The %1 profile %2 is gone; this run goes without cookies.</source>
        <translation>O perfil do %1 %2 não existe mais; este download será feito sem cookies.</translation>
    </message>
    <message>
        <source>sign in to YouTube in a browser first, then retry</source>
        <translation>primeiro faça login no YouTube em um navegador e depois tente novamente</translation>
    </message>
    <message>
        <source>sign in to YouTube in %1, then retry</source>
        <translation>faça login no YouTube no %1 e tente novamente</translation>
    </message>
    <message>
        <source>choose a browser where you are signed in under &quot;Cookies from&quot;</source>
        <translation>escolha em “Cookies de” um navegador em que você tenha feito login</translation>
    </message>
</context>
<context>
    <name>DenoRelease</name>
    <message>
        <source>deno makes no release for this machine (%1)</source>
        <translation>o deno não publica versões para esta máquina (%1)</translation>
    </message>
    <message>
        <source>Updating deno</source>
        <translation>A atualização do deno</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.deno/bin where a download would look for it</source>
        <translation>HOME é “%1”, não um caminho completo, então não há um ~/.deno/bin onde um download o procuraria</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>A leitura de %1</translation>
    </message>
    <message>
        <source>it gives no checksum of %1</source>
        <translation>não traz nenhuma soma de verificação de %1</translation>
    </message>
    <message>
        <source>Checking the checksum of %1</source>
        <translation>A conferência da soma de verificação de %1</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but %2 says %3</source>
        <translation>o SHA-256 dele é %1, mas %2 diz %3</translation>
    </message>
    <message>
        <source>Checksum of %1: its SHA-256 matches %2</source>
        <translation>Soma de verificação de %1: o SHA-256 confere com %2</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>O download de %1</translation>
    </message>
    <message>
        <source>Extracting deno</source>
        <translation>A extração do deno</translation>
    </message>
    <message>
        <source>Extracting deno to %1</source>
        <translation>Extraindo o deno para %1</translation>
    </message>
    <message>
        <source>it is more than the 512 MiB it may be</source>
        <translation>ultrapassa o máximo permitido de 512 MiB</translation>
    </message>
    <message>
        <source>it printed no version</source>
        <translation>não mostrou nenhuma versão</translation>
    </message>
    <message>
        <source>it is %1, older than %2</source>
        <translation>é a versão %1, anterior à %2</translation>
    </message>
    <message>
        <source>New deno: %1</source>
        <translation>Novo deno: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kavari</source>
        <translation>Mostrar o Kavari</translation>
    </message>
    <message>
        <source>%1
into %2</source>
        <translation>%1
em %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more
into %2</source>
        <translation>
            <numerusform>%1 e mais %Ln link
em %2</numerusform>
            <numerusform>%1 e mais %Ln links
em %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>yt-dlp at %1</source>
        <translation>yt-dlp em %1</translation>
    </message>
    <message>
        <source>yt-dlp %1 at %2</source>
        <translation>yt-dlp %1 em %2</translation>
    </message>
    <message>
        <source>Update it with: %1</source>
        <translation>Atualize-o com: %1</translation>
    </message>
    <message>
        <source>It is your system&apos;s copy, which cannot update itself. Install the current one for yourself, which Kavari then finds in ~/.local/bin: %1</source>
        <translation>É a cópia do sistema, que não consegue se atualizar sozinha. Instale a versão atual só para você, que o Kavari depois encontrará em ~/.local/bin: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>O yt-dlp atual precisa do ambiente de execução JavaScript deno para o YouTube, e nenhum foi encontrado. Instale-o com: %1</translation>
    </message>
    <message>
        <source>This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install it with: %1</source>
        <translation>Este yt-dlp precisa do ambiente de execução JavaScript deno para o YouTube, e nenhum foi encontrado. Instale-o com: %1</translation>
    </message>
    <message>
        <source>The current yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>O yt-dlp atual precisa do deno %1 ou mais recente para o YouTube, e o deno em %2 é mais antigo. Instale-o com: %3</translation>
    </message>
    <message>
        <source>This yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 is older. Install it with: %3</source>
        <translation>Este yt-dlp precisa do deno %1 ou mais recente para o YouTube, e o deno em %2 é mais antigo. Instale-o com: %3</translation>
    </message>
    <message>
        <source>This format needs ffmpeg, and none was found. Install it with: %1</source>
        <translation>Este formato precisa do ffmpeg, e ele não foi encontrado. Instale-o com: %1</translation>
    </message>
    <message>
        <source>its first line names the interpreter %1, which is missing (%2)</source>
        <translation>a primeira linha dele indica o interpretador %1, que não existe (%2)</translation>
    </message>
    <message>
        <source>. Python was probably upgraded; reinstall it with: %1</source>
        <translation>. Provavelmente o Python foi atualizado; reinstale-o com: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>This yt-dlp is %Ln days old. Sites such as YouTube change often, and an old yt-dlp stops working with them.</source>
        <translation>
            <numerusform>Este yt-dlp foi lançado há %Ln dia. Sites como o YouTube mudam com frequência, e um yt-dlp antigo deixa de funcionar com eles.</numerusform>
            <numerusform>Este yt-dlp foi lançado há %Ln dias. Sites como o YouTube mudam com frequência, e um yt-dlp antigo deixa de funcionar com eles.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureCauses</name>
    <message>
        <source>YouTube wants this connection to prove that a person is behind it; a browser where you are signed in to YouTube usually passes: %1.</source>
        <translation>O YouTube quer que esta conexão prove que há uma pessoa por trás dela; um navegador em que você fez login no YouTube costuma passar na verificação: %1.</translation>
    </message>
    <message>
        <source>Only a signed-in, age-verified account may watch this video: %1.</source>
        <translation>Só é possível assistir a este vídeo com sessão iniciada em uma conta com idade verificada: %1.</translation>
    </message>
    <message>
        <source>Only accounts with access may watch this video, which is private or for the channel&apos;s members: %1.</source>
        <translation>Só contas com acesso podem assistir a este vídeo, que é privado ou exclusivo para membros do canal: %1.</translation>
    </message>
    <message>
        <source>The site limits how many videos one connection may fetch (YouTube: about 300 an hour without an account). Wait up to an hour, or retry with pauses between the videos.</source>
        <translation>O site limita quantos vídeos uma conexão pode baixar (YouTube: cerca de 300 por hora sem conta). Aguarde até uma hora ou tente novamente com pausas entre os vídeos.</translation>
    </message>
    <message>
        <source>The video is not available where this connection is.</source>
        <translation>O vídeo não está disponível na região desta conexão.</translation>
    </message>
    <message>
        <source>The video is gone, or was never public.</source>
        <translation>O vídeo não existe mais ou nunca foi público.</translation>
    </message>
    <message>
        <source>YouTube&apos;s player needs the JavaScript runtime deno, and yt-dlp found none it could use.</source>
        <translation>O reprodutor do YouTube precisa do ambiente de execução JavaScript deno, e o yt-dlp não encontrou nenhum que pudesse usar.</translation>
    </message>
    <message>
        <source>The site refused the file itself (HTTP 403); most often yt-dlp is older than the site&apos;s last change.</source>
        <translation>O site recusou o próprio arquivo (HTTP 403); na maioria das vezes, o yt-dlp é mais antigo que a última mudança do site.</translation>
    </message>
    <message>
        <source>The disk of the output folder is full: %1 left in %2.</source>
        <translation>O disco da pasta de destino está cheio: restam %1 em %2.</translation>
    </message>
    <message>
        <source>Kavari&apos;s user may not write to %1: it was refused %2. Choose another output directory.</source>
        <translation>O usuário do Kavari não pode gravar em %1: o acesso a %2 foi negado. Escolha outra pasta de destino.</translation>
    </message>
    <message>
        <source>yt-dlp knows no way to read that page: check the link.</source>
        <translation>O yt-dlp não sabe ler essa página: verifique o link.</translation>
    </message>
    <message>
        <source>There is no connection to the site: check that this computer is online.</source>
        <translation>Não há conexão com o site: verifique se este computador está conectado à internet.</translation>
    </message>
    <message>
        <source>yt-dlp could not read the browser&apos;s cookies, which its keyring guards. Install what reads it with: %1</source>
        <translation>O yt-dlp não conseguiu ler os cookies do navegador, protegidos pelo chaveiro dele. Instale o necessário para lê-lo com: %1</translation>
    </message>
    <message>
        <source>The link leads nowhere: check it.</source>
        <translation>O link não leva a lugar nenhum: verifique-o.</translation>
    </message>
    <message>
        <source>This yt-dlp does not know the keyring that guards the browser&apos;s cookies on this desktop; the current yt-dlp does, so updating it mends this.</source>
        <translation>Este yt-dlp não conhece o chaveiro que protege os cookies do navegador neste ambiente de trabalho; o yt-dlp atual conhece, então atualizá-lo resolve isso.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the videos: %1</source>
        <translation>
            <numerusform>%Ln dos vídeos: %1</numerusform>
            <numerusform>%Ln dos vídeos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %Ln links: %2</source>
        <translation>
            <numerusform>%1 de %Ln link: %2</numerusform>
            <numerusform>%1 dos %Ln links: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message>
        <source>it had not come whole after %1 s</source>
        <translation>não tinha chegado completo após %1 s</translation>
    </message>
    <message>
        <source>it had not come whole after %1 minutes</source>
        <translation>não tinha chegado completo após %1 minutos</translation>
    </message>
    <message>
        <source>Kavari fetches only over https, and %1 is not</source>
        <translation>o Kavari só baixa via https, e %1 não usa https</translation>
    </message>
    <message>
        <source>it was sent on to %1, which is not https</source>
        <translation>foi redirecionado para %1, que não é https</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB it may be</source>
        <translation>tem %1 MiB, mais que o máximo permitido de %2 MiB</translation>
    </message>
    <message>
        <source>it is more than the %1 MiB it may be</source>
        <translation>ultrapassa o máximo permitido de %1 MiB</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>não pôde ser gravado: %1</translation>
    </message>
    <message>
        <source>it was sent on more than %1 times</source>
        <translation>foi redirecionado mais de %1 vezes</translation>
    </message>
    <message>
        <source>the server answered %1 %2 instead of the file</source>
        <translation>o servidor respondeu %1 %2 em vez do arquivo</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 of %2 bytes</source>
        <translation>a transferência parou antes do fim, após %1 de %2 bytes</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>o servidor respondeu %1 %2</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved; is this computer online?</source>
        <translation>não foi possível resolver o nome %1; este computador está conectado à internet?</translation>
    </message>
    <message>
        <source>nothing came for %1 s</source>
        <translation>nada chegou durante %1 s</translation>
    </message>
    <message>
        <source>the transfer stopped short, after %1 bytes</source>
        <translation>a transferência parou antes do fim, após %1 bytes</translation>
    </message>
</context>
<context>
    <name>KavariWindow</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please enter a URL</source>
        <translation>Insira uma URL</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Baixando…</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>Comando: %1</translation>
    </message>
    <message>
        <source>the previous download has not ended yet</source>
        <translation>o download anterior ainda não terminou</translation>
    </message>
    <message>
        <source>no program of that name in %1</source>
        <translation>não há nenhum programa com esse nome em %1</translation>
    </message>
    <message>
        <source>
--- Download cancelled by user ---</source>
        <translation>
--- Download cancelado pelo usuário ---</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Falha no download</translation>
    </message>
    <message>
        <source>
✓ Download completed successfully!</source>
        <translation>
✓ Download concluído com sucesso!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>
✗ Download failed or was cancelled</source>
        <translation>
✗ O download falhou ou foi cancelado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>
✗ yt-dlp could not be started: %1</source>
        <translation>
✗ Não foi possível iniciar o yt-dlp: %1</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Selecionar pasta de destino</translation>
    </message>
    <message>
        <source>Please select an output directory</source>
        <translation>Selecione uma pasta de destino</translation>
    </message>
    <message>
        <source>Please enter the output directory as a full path</source>
        <translation>Informe a pasta de destino como um caminho completo</translation>
    </message>
    <message>
        <source>yt-dlp would load whatever is downloaded into this folder as a plugin at its next start. Please choose another output directory.</source>
        <translation>O yt-dlp carregaria como plugin tudo o que for baixado nesta pasta na próxima vez que iniciar. Escolha outra pasta de destino.</translation>
    </message>
    <message>
        <source>
✗ Removed %1: yt-dlp would have read this downloaded file as its configuration at its next start, and obeyed whatever options it holds.</source>
        <translation>
✗ %1 foi removido: o yt-dlp teria lido este arquivo baixado como sua configuração na próxima vez que iniciasse, e obedecido a todas as opções que ele contivesse.</translation>
    </message>
    <message>
        <source>%1, cookies from %2</source>
        <translation>%1, cookies do %2</translation>
    </message>
    <message>
        <source>Mode: Single video download</source>
        <translation>Modo: download de um único vídeo</translation>
    </message>
    <message>
        <source>Mode: Full playlist download</source>
        <translation>Modo: download da lista de reprodução completa</translation>
    </message>
    <message>
        <source>Mode: Single file download (playlist ignored)</source>
        <translation>Modo: download de um único arquivo (lista de reprodução ignorada)</translation>
    </message>
    <message>
        <source>Kavari - By Tolmend</source>
        <translation>Kavari - por Tolmend</translation>
    </message>
    <message>
        <source>Video URL</source>
        <translation>URL do vídeo</translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation>Cole aqui a URL do YouTube…</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Opções de formato</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>MP3 (Audio)</source>
        <translation>MP3 (áudio)</translation>
    </message>
    <message>
        <source>M4A (Audio)</source>
        <translation>M4A (áudio)</translation>
    </message>
    <message>
        <source>Best Video + Audio</source>
        <translation>Melhor vídeo + áudio</translation>
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
        <translation>Qualidade do áudio:</translation>
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
        <translation>Média (128k)</translation>
    </message>
    <message>
        <source>Low (64k)</source>
        <translation>Baixa (64k)</translation>
    </message>
    <message>
        <source>Download entire playlist</source>
        <translation>Baixar toda a lista de reprodução</translation>
    </message>
    <message>
        <source>Cookies from:</source>
        <translation>Cookies de:</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progresso do download</translation>
    </message>
    <message>
        <source>Update yt-dlp</source>
        <translation>Atualizar yt-dlp</translation>
    </message>
    <message>
        <source>Output Log</source>
        <translation>Registro de saída</translation>
    </message>
    <message>
        <source>Removed %1: the download was stopped while yt-dlp was still writing it.</source>
        <translation>%1 foi removido: o download foi interrompido enquanto o yt-dlp ainda o gravava.</translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, playlists whole</source>
        <translation>
            <numerusform>Modo: %Ln link, listas de reprodução completas</numerusform>
            <numerusform>Modo: %Ln links, listas de reprodução completas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mode: %Ln links, one video each</source>
        <translation>
            <numerusform>Modo: %Ln link, um vídeo por link</numerusform>
            <numerusform>Modo: %Ln links, um vídeo por link</numerusform>
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
        <translation>… mais %1 caracteres não exibidos</translation>
    </message>
    <message numerus="yes">
        <source>… %Ln lines not shown: they came faster than the log could show them</source>
        <translation>
            <numerusform>… %Ln linha não exibida: chegou mais rápido do que o registro conseguia exibi-la</numerusform>
            <numerusform>… %Ln linhas não exibidas: chegaram mais rápido do que o registro conseguia exibi-las</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReleaseFiles</name>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is not a full path</source>
        <translation>o chaveiro %1 indicado por KAVARI_YTDLP_KEYRING não é um caminho completo</translation>
    </message>
    <message>
        <source>the keyring %1 that KAVARI_YTDLP_KEYRING names is missing</source>
        <translation>o chaveiro %1 indicado por KAVARI_YTDLP_KEYRING não existe</translation>
    </message>
    <message>
        <source>the keyring %1 is missing; reinstall Kavari</source>
        <translation>o chaveiro %1 não existe; reinstale o Kavari</translation>
    </message>
    <message>
        <source>the keyring %1 is not a file</source>
        <translation>o chaveiro %1 não é um arquivo</translation>
    </message>
    <message>
        <source>the keyring %1 cannot be read</source>
        <translation>o chaveiro %1 não pode ser lido</translation>
    </message>
    <message>
        <source>it is signed by another key (%1), not by yt-dlp&apos;s release key</source>
        <translation>está assinado por outra chave (%1), não pela chave com que o yt-dlp assina suas versões</translation>
    </message>
    <message>
        <source>the signature does not match the file: it was changed after it was signed</source>
        <translation>a assinatura não confere com o arquivo: ele foi alterado depois de assinado</translation>
    </message>
    <message>
        <source>it is signed by a revoked key, which proves nothing any more</source>
        <translation>está assinado por uma chave revogada, que não prova mais nada</translation>
    </message>
    <message>
        <source>it is signed by an expired key</source>
        <translation>está assinado por uma chave expirada</translation>
    </message>
    <message>
        <source>the signature has expired</source>
        <translation>a assinatura expirou</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>não foi possível verificar a assinatura</translation>
    </message>
    <message>
        <source>gpgv gave no verdict</source>
        <translation>o gpgv não deu nenhum veredito</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, not a full path, so there is no ~/.local/bin where a download would look for it. Log in again, or set HOME to your home folder, and try once more</source>
        <translation>HOME é “%1”, não um caminho completo, então não há um ~/.local/bin onde um download o procuraria. Inicie a sessão novamente, ou defina HOME como sua pasta pessoal, e tente outra vez</translation>
    </message>
    <message>
        <source>%1 is a link to %2</source>
        <translation>%1 é um link para %2</translation>
    </message>
    <message>
        <source>%1 is not yt-dlp&apos;s release file but another install</source>
        <translation>%1 não é o executável publicado pelo yt-dlp, mas outra instalação</translation>
    </message>
    <message>
        <source>the tool that installed it, such as: %1</source>
        <translation>a ferramenta que o instalou, por exemplo: %1</translation>
    </message>
    <message>
        <source>%1, and Kavari leaves it as it is. Update it with %2</source>
        <translation>%1, e o Kavari o deixa como está. Atualize-o com %2</translation>
    </message>
</context>
<context>
    <name>ReleaseJob</name>
    <message>
        <source>Fetching %1 from %2</source>
        <translation>Baixando %1 de %2</translation>
    </message>
    <message>
        <source>Fetching %1</source>
        <translation>O download de %1</translation>
    </message>
    <message>
        <source>Making a work folder</source>
        <translation>A criação de uma pasta de trabalho</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>nada pode ser gravado em %1: %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>A gravação de %1</translation>
    </message>
    <message>
        <source>Installing %1</source>
        <translation>A instalação de %1</translation>
    </message>
    <message>
        <source>Checking the new %1</source>
        <translation>A verificação do novo %1</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 foi instalado</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falhou: %2</translation>
    </message>
</context>
<context>
    <name>RetryOffer</name>
    <message>
        <source>Retry with cookies from %1</source>
        <translation>Tentar novamente com os cookies do %1</translation>
    </message>
    <message>
        <source>Retry, pausing between videos</source>
        <translation>Tentar novamente com pausas entre os vídeos</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message numerus="yes">
        <source>… %Ln earlier lines not kept</source>
        <translation>
            <numerusform>… %Ln linha anterior não mantida</numerusform>
            <numerusform>… %Ln linhas anteriores não mantidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSandbox</name>
    <message>
        <source>no working folder could be made in %1: %2</source>
        <translation>não foi possível criar uma pasta de trabalho em %1: %2</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>sua cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the folder %1 could not be made: %2</source>
        <translation>não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>nothing can be written in %1: %2</source>
        <translation>nada pode ser gravado em %1: %2</translation>
    </message>
    <message>
        <source>it could not be written to %1: %2</source>
        <translation>não foi possível gravá-lo em %1: %2</translation>
    </message>
    <message>
        <source>it could not be made executable: %1</source>
        <translation>não foi possível torná-lo executável: %1</translation>
    </message>
    <message>
        <source>it could not be put in place of %1: %2</source>
        <translation>não foi possível colocá-lo no lugar de %1: %2</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The Download button now reads Cancel</source>
        <translation>O botão Baixar agora diz Cancelar</translation>
    </message>
</context>
<context>
    <name>UpdateOffer</name>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp and deno, checked before they run.</source>
        <translation>Clique em “Atualizar yt-dlp” para baixar as versões atuais do yt-dlp e do deno, verificadas antes de serem executadas.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current yt-dlp, checked before it runs.</source>
        <translation>Clique em “Atualizar yt-dlp” para baixar a versão atual do yt-dlp, verificada antes de ser executada.</translation>
    </message>
    <message>
        <source>Click &quot;Update yt-dlp&quot; to fetch the current deno, checked before it runs.</source>
        <translation>Clique em “Atualizar yt-dlp” para baixar a versão atual do deno, verificada antes de ser executada.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Updating yt-dlp...</source>
        <translation>Atualizando o yt-dlp…</translation>
    </message>
    <message>
        <source>
Click Download to try again.</source>
        <translation>
Clique em Baixar para tentar novamente.</translation>
    </message>
    <message>
        <source>
✗ %1</source>
        <translation>
✗ %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Falha na atualização</translation>
    </message>
    <message>
        <source>
--- Update cancelled by user ---</source>
        <translation>
--- Atualização cancelada pelo usuário ---</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Atualização cancelada</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>%1; deno is left out</source>
        <translation>%1; o deno fica de fora</translation>
    </message>
</context>
<context>
    <name>YtDlpRelease</name>
    <message>
        <source>Updating yt-dlp</source>
        <translation>A atualização do yt-dlp</translation>
    </message>
    <message>
        <source>Upgrading yt-dlp with pipx</source>
        <translation>A atualização do yt-dlp com o pipx</translation>
    </message>
    <message>
        <source>no pipx was found; install it with: %1</source>
        <translation>o pipx não foi encontrado; instale-o com: %1</translation>
    </message>
    <message>
        <source>yt-dlp is pipx&apos;s; running: %1</source>
        <translation>O yt-dlp foi instalado pelo pipx; executando: %1</translation>
    </message>
    <message>
        <source>pipx ended with exit code %1</source>
        <translation>o pipx terminou com o código de saída %1</translation>
    </message>
    <message>
        <source>Checking the signature of SHA2-256SUMS</source>
        <translation>A verificação da assinatura do SHA2-256SUMS</translation>
    </message>
    <message>
        <source>gpgv was not found; install it with: %1</source>
        <translation>o gpgv não foi encontrado; instale-o com: %1</translation>
    </message>
    <message>
        <source>Signature of SHA2-256SUMS: good, by the key %1 of %2</source>
        <translation>Assinatura do SHA2-256SUMS: válida, feita pela chave %1 de %2</translation>
    </message>
    <message>
        <source>Reading SHA2-256SUMS</source>
        <translation>A leitura do SHA2-256SUMS</translation>
    </message>
    <message>
        <source>it gives no checksum of yt-dlp</source>
        <translation>não traz nenhuma soma de verificação do yt-dlp</translation>
    </message>
    <message>
        <source>Checksum of yt-dlp: its SHA-256 matches SHA2-256SUMS</source>
        <translation>Soma de verificação do yt-dlp: o SHA-256 confere com o SHA2-256SUMS</translation>
    </message>
    <message>
        <source>The checksum of yt-dlp does not match SHA2-256SUMS; fetching the release once more</source>
        <translation>A soma de verificação do yt-dlp não confere com o SHA2-256SUMS; baixando a versão publicada mais uma vez</translation>
    </message>
    <message>
        <source>Checking the checksum of yt-dlp</source>
        <translation>A conferência da soma de verificação do yt-dlp</translation>
    </message>
    <message>
        <source>its SHA-256 is %1, but SHA2-256SUMS says %2</source>
        <translation>o SHA-256 dele é %1, mas o SHA2-256SUMS diz %2</translation>
    </message>
    <message>
        <source>it printed no version; it needs Python 3.10 or newer as python3</source>
        <translation>não mostrou nenhuma versão; ele precisa do Python 3.10 ou mais recente como python3</translation>
    </message>
    <message>
        <source>the release offers nothing newer than %1</source>
        <translation>a versão publicada não traz nada mais recente que a %1</translation>
    </message>
    <message>
        <source>New yt-dlp: %1 (was %2)</source>
        <translation>Novo yt-dlp: %1 (antes %2)</translation>
    </message>
</context>
<context>
    <name>ZipEntry</name>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>o arquivo compactado está danificado (%1)</translation>
    </message>
    <message>
        <source>the archive holds no file %1</source>
        <translation>o arquivo compactado não contém nenhum arquivo %1</translation>
    </message>
    <message>
        <source>it could not be written: %1</source>
        <translation>não pôde ser gravado: %1</translation>
    </message>
</context>
</TS>
