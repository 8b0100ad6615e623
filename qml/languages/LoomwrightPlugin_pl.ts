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
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Wybierz folder aplikacji</translation>
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
    <name>AppSession</name>
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
        <source>Folder does not contain a valid app project</source>
        <translation>Folder nie zawiera prawidłowego projektu aplikacji</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Wybierz aplikację</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Wybierz aplikację</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Dostępna aktualizacja</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
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
        <translation>Wyloguj się</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Zaloguj się</translation>
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
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Najpierw wybierz obraz.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>W lokalizacji %1 nie ma obrazu.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 jest folderem; wybierz plik obrazu.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>Nie można odczytać %1 jako obrazu: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Wybierz co najmniej jedną platformę.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>„%1” nie jest kolorem; użyj nazwy, np. white, lub kodu, np. #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Wybierz folder wyjściowy.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 jest plikiem; wybierz folder na zestawy.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Nie można niczego zapisać w %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Obraz ma wymiary %1 × %2 px i nie jest kwadratowy: ikony dopełniają go do kwadratu.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Obraz ma wymiary %1 × %2 px: ikony do %3 × %3 zostaną powiększone i będą nieostre.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Nieznana platforma: %1</numerusform>
            <numerusform>%n nieznane platformy: %1</numerusform>
            <numerusform>%n nieznanych platform: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>ikona aplikacji</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>obrazy ekranu startowego</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>tło adaptacyjne</translation>
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
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Obrazy wybranych platform pojawią się tutaj po kliknięciu „Generuj”.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n plik</numerusform>
            <numerusform>%n pliki</numerusform>
            <numerusform>%n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Utworzono wszystkie zestawy: %1 w %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Nie utworzono wszystkich zestawów; zapisano: %1 w %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n rozmiar, do %1 × %2 px</numerusform>
            <numerusform>%n rozmiary, do %1 × %2 px</numerusform>
            <numerusform>%n rozmiarów, do %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Przykładowy obraz</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Nie można zapisać przykładowego obrazu.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Nic nie wygenerowano</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Nie ma nic do utworzenia.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Generowanie zestawów ikon</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Utworzono wszystkie zestawy: %n plik.</numerusform>
            <numerusform>Utworzono wszystkie zestawy: %n pliki.</numerusform>
            <numerusform>Utworzono wszystkie zestawy: %n plików.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Generowanie nie powiodło się</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n zestaw nie mógł zostać utworzony. Wyświetlono pliki pozostałych zestawów; przyczyny znajdziesz w dzienniku.</numerusform>
            <numerusform>%n zestawy nie mogły zostać utworzone. Wyświetlono pliki pozostałych zestawów; przyczyny znajdziesz w dzienniku.</numerusform>
            <numerusform>%n zestawów nie mogło zostać utworzonych. Wyświetlono pliki pozostałych zestawów; przyczyny znajdziesz w dzienniku.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Zestawy ikon</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Aplikacje (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikacje</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Nie znaleziono aplikacji na %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Zaloguj się przyciskiem użytkownika, aby zobaczyć swoje aplikacje na %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Wybierz obraz</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Obrazy (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Wybierz folder wyjściowy</translation>
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
        <translation>Sklep Windows</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Obrazy instalatora</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Brak obrazu: wybierz go lub upuść na okno.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platformy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Folder wyjściowy</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Wybierz folder wyjściowy</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generuj</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Użyj przykładowego obrazu projektu</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Tło ikony</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Tło ekranu startowego</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Przykładowy obraz</translation>
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
