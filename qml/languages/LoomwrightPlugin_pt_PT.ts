<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Falta %n segundo</numerusform>
            <numerusform>Faltam %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Falta %n minuto</numerusform>
            <numerusform>Faltam %n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selecionar pasta da aplicação</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Detalhes do item</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Detalhes do item</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Transferir aplicação</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>A transferir %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Transferência concluída</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Transferência de %1 concluída</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erro de transferência</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>A pasta não contém um projeto de aplicação válido</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Por %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Criado: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Última modificação: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Mais detalhes do item</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Proprietário &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selecionar aplicação</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 já está no seu sistema local.
Pretende transferi-la novamente?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 não está no seu sistema local.
Pretende transferi-la agora?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 não está no seu sistema local.

Pretende transferi-la agora?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 foi atualizada localmente. A transferência irá substituir as alterações locais.

Pretende transferi-la novamente?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 já está no seu sistema local.

Pretende transferi-la novamente?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Não tem permissão para aceder a este recurso ou executar esta operação.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>O item não existe ou está inacessível.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplicação não modificada</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Não disponível</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Há semanas: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Há dias: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Há horas: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Há minutos: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Agora mesmo</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selecionar aplicação</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Sessão não iniciada</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Gerir portais</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Terminar sessão</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sessão</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplicações</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Não foram encontrados resultados</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Não é possível iniciar %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Atualização disponível</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Carregar uma aplicação para outros utilizadores do Varnex Online ou do Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Escolha primeiro uma imagem.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Não existe nenhuma imagem em %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 é uma pasta; escolha um ficheiro de imagem.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>Não é possível ler %1 como imagem: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Escolha pelo menos uma plataforma.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>“%1” não é uma cor; utilize um nome como white ou um código como #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Escolha uma pasta de saída.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 é um ficheiro; escolha uma pasta para os conjuntos.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Não é possível escrever nada em %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>A imagem tem %1 × %2 píxeis e não é quadrada: os ícones completam-na até formar um quadrado.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>A imagem tem %1 × %2 píxeis: os ícones até %3 × %3 são ampliados e ficam desfocados.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Plataforma desconhecida: %1</numerusform>
            <numerusform>%n plataformas desconhecidas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>ícone da aplicação</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>imagens iniciais</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>fundo adaptável</translation>
    </message>
    <message>
        <source>it is not a regular file; pictures are read only from files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 × %2 pixels, more than the %3 × %3 that a picture may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pixels are cut short or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the iOS icons are made opaque on white, as the App Store refuses icons with transparency; --icon-background chooses the colour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Aplicação</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar alterações</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Editar título</translation>
    </message>
</context>
<context>
    <name>ItemProgress</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>Quase concluído</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Tempo restante estimado: %n minuto</numerusform>
            <numerusform>Tempo restante estimado: %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Tempo restante estimado: %n segundo</numerusform>
            <numerusform>Tempo restante estimado: %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Botão</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>As imagens das plataformas escolhidas aparecem aqui depois de “Gerar”.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n ficheiro</numerusform>
            <numerusform>%n ficheiros</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Todos os conjuntos foram criados: %1 em %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Nem todos os conjuntos foram criados; foi escrito: %1 em %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n tamanho até %1 × %2 px</numerusform>
            <numerusform>%n tamanhos até %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Imagem de exemplo</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Não é possível escrever a imagem de exemplo.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Nada foi gerado</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Não há nada para criar.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>A gerar conjuntos de ícones</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Todos os conjuntos foram criados: %n ficheiro.</numerusform>
            <numerusform>Todos os conjuntos foram criados: %n ficheiros.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Falha na geração</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>Não foi possível criar %n conjunto. São mostrados os ficheiros dos outros conjuntos; consulte o registo para saber os motivos.</numerusform>
            <numerusform>Não foi possível criar %n conjuntos. São mostrados os ficheiros dos outros conjuntos; consulte o registo para saber os motivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Conjuntos de ícones</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Aplicações (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplicações</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Não foram encontradas aplicações em %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Inicie sessão com o botão de utilizador para ver as suas aplicações em %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Escolher uma imagem</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Imagens (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
</context>
<context>
    <name>SetupPanel</name>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>macOS</source>
        <translation>macOS</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>iOS</source>
        <translation>iOS</translation>
    </message>
    <message>
        <source>Windows Store</source>
        <translation>Loja Windows</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Imagens do instalador</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Ainda não há imagem: escolha uma ou largue-a na janela.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Plataformas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Utilizar a imagem de exemplo do projeto</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Fundo do ícone</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Fundo do ecrã inicial</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Imagem de exemplo</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Terminar sessão</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Terminar a sessão de %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sessão</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sessão</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Sessão iniciada</translation>
    </message>
</context>
</TS>
