import QtQuick 2.15
import Varnex.Loomwright.Controls 1.0 as Controls

// The sign-in dialog of the older tool windows: the same page and outcome
// as the one of Varnex.Loomwright.Controls, with the tool configuration's
// banner colours (the window hands over its configuration's `bannerColor`
// and `bannerTextColor`) and a large bold title.
Controls.SignInDialog {
    id: root

    titleFont: Qt.font({
        family: Controls.BrimforgeTheme.avenirBold,
        pointSize: Controls.BrimforgeTheme.bannerTitleFontSizePoint,
        bold: true
    })
}
