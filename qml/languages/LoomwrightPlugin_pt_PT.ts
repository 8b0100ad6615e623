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
        <source>%1 - Select App</source>
        <translation>%1 - Selecionar aplicação</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selecionar pasta da aplicação</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>A pasta não contém um projeto de aplicação válido</translation>
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
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selecionar aplicação</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selecionar pasta da aplicação</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>A pasta não contém um projeto de aplicação válido</translation>
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
