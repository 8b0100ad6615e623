import QtQuick 2.15
import QtQuick.Controls 2.15
import Varnex.Hostkit 1.0

import "../Internal" as Internal

// "Sign in" or "Sign out" for a Portal: a click signs out a signed-in user
// and starts the sign-in otherwise. Usable while the network is up, and
// always to sign out.
Internal.MaterialButton {
    id: root

    property var portal: null
    readonly property bool signedIn: !!portal && portal.signedIn

    buttonType: Internal.BrimforgeTheme.outlineButton
    buttonText: signedIn ? qsTr("Sign out") : qsTr("Sign in")
    glyph: signedIn ? "sign-out" : "sign-in"
    enabled: Hostkit.network.isOnline || signedIn
    hoverEnabled: true
    ToolTip.text: signedIn ? qsTr("Sign out %1").arg(portal.username) : qsTr("Sign In")
    ToolTip.visible: hovered
    ToolTip.delay: Qt.styleHints.mousePressAndHoldInterval

    onClicked: {
        if (!portal) {
            console.error("SignInButton: portal not set")
            return
        }
        if (portal.signedIn)
            portal.signOut()
        else
            portal.signIn()
    }
}
