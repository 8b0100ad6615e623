import QtQuick 2.15

// The sign-in dialog of the older tool windows, which Private lists as its
// SignInDialog: the same page and outcome as the one of Controls, with the
// tool configuration's banner colours (the window hands over its
// configuration's `bannerColor` and `bannerTextColor`) and a large bold
// title. It lives here because SharedSignIn falls back on it.
SignInDialog {
    id: root

    titleFont: Qt.font({
        family: BrimforgeTheme.avenirBold,
        pointSize: BrimforgeTheme.bannerTitleFontSizePoint,
        bold: true
    })
}
