<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Pozostała %n sekunda</numerusform>
            <numerusform>Pozostały %n sekundy</numerusform>
            <numerusform>Pozostało %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Pozostała %n minuta</numerusform>
            <numerusform>Pozostały %n minuty</numerusform>
            <numerusform>Pozostało %n minut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Szczegóły elementu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Szczegóły elementu</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Utworzono: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Ostatnia modyfikacja: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Więcej szczegółów elementu</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Właściciel &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>Pobierz aplikację</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Pobieranie: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Pobieranie zakończone</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Pobieranie aplikacji %1 zakończone</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Błąd pobierania</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Wybierz aplikację</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Wybierz folder aplikacji</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Folder nie zawiera prawidłowego projektu aplikacji</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Aplikacja %1 jest już w systemie lokalnym.
Czy chcesz ją pobrać ponownie?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Aplikacji %1 nie ma w systemie lokalnym.
Czy chcesz ją teraz pobrać?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Aplikacji %1 nie ma w systemie lokalnym.

Czy chcesz ją teraz pobrać?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Aplikacja %1 została zaktualizowana lokalnie. Pobranie zastąpi lokalne zmiany.

Czy chcesz ją pobrać ponownie?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Aplikacja %1 jest już w systemie lokalnym.

Czy chcesz ją pobrać ponownie?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Pobierz aplikację</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Pobieranie: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Pobieranie zakończone</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Pobieranie aplikacji %1 zakończone</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Błąd pobierania</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Nie masz uprawnień dostępu do tego zasobu ani do wykonania tej operacji.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Element nie istnieje lub jest niedostępny.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplikacja niezmieniona</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Niedostępne</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Tygodni temu: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Dni temu: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Godzin temu: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minut temu: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Przed chwilą</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Dostępna aktualizacja</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>Nie zalogowano</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Zarządzaj portalami</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Wyloguj</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Zaloguj się</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Wybierz aplikację</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Wybierz folder aplikacji</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Folder nie zawiera prawidłowego projektu aplikacji</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplikacje</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Nie znaleziono wyników</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Nie można uruchomić %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Dostępna aktualizacja</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Prześlij</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Prześlij aplikację dla innych użytkowników Varnex Online lub Varnex Portal</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Aplikacja</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Zapisz zmiany</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Edytuj tytuł</translation>
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
        <translation>Prawie gotowe</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Szacowany pozostały czas: %n minuta</numerusform>
            <numerusform>Szacowany pozostały czas: %n minuty</numerusform>
            <numerusform>Szacowany pozostały czas: %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Szacowany pozostały czas: %n sekunda</numerusform>
            <numerusform>Szacowany pozostały czas: %n sekundy</numerusform>
            <numerusform>Szacowany pozostały czas: %n sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Przycisk</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
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
        <translation>Wyloguj się</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Zaloguj się</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Wyloguj użytkownika %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Zaloguj się</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Zaloguj się</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
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
        <translation>Zaloguj się</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Zalogowano</translation>
    </message>
</context>
</TS>
