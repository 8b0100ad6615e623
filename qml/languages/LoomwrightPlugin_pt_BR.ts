<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n segundo restante</numerusform>
            <numerusform>%n segundos restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n minuto restante</numerusform>
            <numerusform>%n minutos restantes</numerusform>
        </translation>
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
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Detalhes do item</translation>
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
        <translation>Criado em: %1</translation>
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
        <source>Download App</source>
        <translation>Baixar aplicativo</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Baixando %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Download de %1 concluído</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erro de download</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selecionar aplicativo</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selecionar pasta do aplicativo</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>A pasta não contém um projeto de aplicativo válido</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 já está no seu sistema local.
Deseja baixá-lo novamente?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 não está no seu sistema local.
Deseja baixá-lo agora?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 não está no seu sistema local.

Deseja baixá-lo agora?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 foi atualizado localmente. O download substituirá as alterações locais.

Deseja baixá-lo novamente?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 já está no seu sistema local.

Deseja baixá-lo novamente?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Baixar aplicativo</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Baixando %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Download de %1 concluído</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erro de download</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Você não tem permissão para acessar este recurso ou executar esta operação.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>O item não existe ou está inacessível.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplicativo não modificado</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Não disponível</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Semanas atrás: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Dias atrás: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Horas atrás: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minutos atrás: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Agora mesmo</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Gerenciar portais</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selecionar aplicativo</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selecionar pasta do aplicativo</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>A pasta não contém um projeto de aplicativo válido</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplicativos</translation>
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
        <translation>Nenhum resultado encontrado</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Não foi possível iniciar %1</translation>
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
        <translation>Carregar um aplicativo para outros usuários do Varnex Online ou do Varnex Portal</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Salvar alterações</translation>
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
        <translation>Quase pronto</translation>
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
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Sair da conta de %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
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
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Conectado</translation>
    </message>
</context>
</TS>
