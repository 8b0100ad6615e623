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
        <source>%1 - Select App</source>
        <translation>%1 - 앱 선택</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - 앱 폴더 선택</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>폴더에 유효한 앱 프로젝트가 없습니다</translation>
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
        <source>Update available</source>
        <translation>업데이트 사용 가능</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - 앱 선택</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - 앱 폴더 선택</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>폴더에 유효한 앱 프로젝트가 없습니다</translation>
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
