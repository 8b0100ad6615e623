<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n초 남음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n분 남음</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - 앱 폴더 선택</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>항목 세부 정보</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>항목 세부 정보</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>앱 다운로드</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 다운로드 중</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 다운로드 완료</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>다운로드 오류</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>폴더에 유효한 앱 프로젝트가 없습니다</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>작성자: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>생성일: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>마지막 수정: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>항목 세부 정보 더 보기</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>소유자 &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - 앱 선택</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1이(가) 이미 로컬 시스템에 있습니다.
다시 다운로드하시겠습니까?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1이(가) 로컬 시스템에 없습니다.
지금 다운로드하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1이(가) 로컬 시스템에 없습니다.

지금 다운로드하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1이(가) 로컬에서 업데이트되었습니다. 다운로드하면 로컬 변경 내용을 덮어씁니다.

다시 다운로드하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1이(가) 이미 로컬 시스템에 있습니다.

다시 다운로드하시겠습니까?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>이 리소스에 액세스하거나 이 작업을 수행할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>항목이 없거나 액세스할 수 없습니다.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>앱 수정 안 됨</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>사용할 수 없음</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>%1주 전</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>%1일 전</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>%1시간 전</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>%1분 전</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>방금</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - 앱 선택</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>업데이트 사용 가능</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>로그인하지 않음</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>포털 관리</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>결과를 찾을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>%1을(를) 시작할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>업데이트 사용 가능</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>업로드</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>다른 Varnex Online 또는 Varnex Portal 사용자를 위해 앱 업로드</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>먼저 이미지를 선택하세요.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>%1에 이미지가 없습니다.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1은(는) 폴더입니다. 이미지 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1을(를) 이미지로 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>플랫폼을 하나 이상 선택하세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>“%1”은(는) 색이 아닙니다. white 같은 이름이나 #1d3b8f 같은 코드를 사용하세요.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>출력 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1은(는) 파일입니다. 세트를 저장할 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>이미지가 %1 × %2픽셀로 정사각형이 아닙니다. 아이콘은 여백을 추가해 정사각형으로 만듭니다.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>이미지가 %1 × %2픽셀입니다. 최대 %3 × %3 크기의 아이콘은 확대되어 흐릿하게 보입니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>알 수 없는 플랫폼 %n개: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>%1 폴더를 만들 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>앱 아이콘</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>시작 이미지</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>적응형 배경</translation>
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
        <translation>앱</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>변경 내용 저장</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>제목 편집</translation>
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
        <translation>거의 완료됨</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>약 %n분 남음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>약 %n초 남음</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>버튼</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message>
        <source>%1 B</source>
        <translation>%1바이트</translation>
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
        <translation>결과</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>[생성]을 누르면 선택한 플랫폼의 이미지가 여기에 표시됩니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>모든 세트를 만들었습니다: %1, 위치: %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>일부 세트를 만들지 못했습니다. 기록된 내용: %1, 위치: %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>크기 %n개, 최대 %1 × %2px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>샘플 이미지</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>샘플 이미지를 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>생성된 항목 없음</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>만들 항목이 없습니다.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>아이콘 세트 생성 중</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>모든 세트를 만들었습니다: 파일 %n개.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>생성 실패</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>세트 %n개를 만들지 못했습니다. 나머지 세트의 파일이 표시됩니다. 원인은 로그를 확인하세요.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>아이콘 세트</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크 모드</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>앱(%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>%1에서 앱을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>%1의 앱을 보려면 사용자 버튼으로 로그인하세요.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>이미지 선택</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>이미지 (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>출력 폴더 선택</translation>
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
        <translation>Windows 스토어</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>설치 프로그램 이미지</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>아직 이미지가 없습니다. 이미지를 선택하거나 창에 끌어다 놓으세요.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>선택…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>플랫폼</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>출력 폴더</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>출력 폴더 선택</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>생성</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>프로젝트의 샘플 이미지 사용</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>아이콘 배경</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>시작 화면 배경</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>샘플 이미지</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>%1 로그아웃</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>포털: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>로그인됨</translation>
    </message>
</context>
</TS>
