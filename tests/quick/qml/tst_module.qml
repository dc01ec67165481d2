// SPDX-License-Identifier: MIT
// The module as a QML program loads it: the plugin, the names, a click.
import QtQuick
import QtTest
import VexaButton

Item {
    width: 200
    height: 100

    VexaButton {
        id: button
        width: 90
        height: 30
        caption: "&Go"
        buttonStyle: VexaButton.System
        mode: VexaButton.CheckButton
    }

    SignalSpy { id: clicks; target: button; signalName: "click" }
    SignalSpy { id: toggles; target: button; signalName: "toggled" }

    TestCase {
        name: "Module"
        when: windowShown

        function test_aClickChecksTheButton() {
            mouseClick(button, 20, 10)
            compare(clicks.count, 1)
            compare(toggles.count, 1)
            verify(button.value)
            compare(button.mode, VexaButton.CheckButton)
        }
    }
}
