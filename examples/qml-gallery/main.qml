// SPDX-License-Identifier: MIT
// Every look of the control, a row of check buttons, an option group and a
// button with a popup menu. main.cpp shows the window.
import QtQuick
import QtQuick.Controls.Basic
import VexaButton

Window {
    id: window
    title: "VexaButton in Qt Quick"
    width: column.implicitWidth + 24
    height: column.implicitHeight + 24
    color: "#ece9e2"

    // One line that says what the last button did.
    function report(text) {
        status.text = text
    }

    Column {
        id: column
        x: 12
        y: 12
        spacing: 10

        Text {
            text: "Looks"
            font.bold: true
        }
        Grid {
            columns: 5
            spacing: 6
            Repeater {
                model: [
                    { name: "Classic", look: VexaButton.Classic },
                    { name: "ClassicThin", look: VexaButton.ClassicThin },
                    { name: "RoundedGradient", look: VexaButton.RoundedGradient },
                    { name: "BlueGlass", look: VexaButton.BlueGlass },
                    { name: "Toolbar", look: VexaButton.Toolbar },
                    { name: "WarmHighlight", look: VexaButton.WarmHighlight },
                    { name: "Silver", look: VexaButton.Silver },
                    { name: "SoftBlue", look: VexaButton.SoftBlue },
                    { name: "Gel", look: VexaButton.Gel },
                    { name: "WhiteGloss", look: VexaButton.WhiteGloss },
                    { name: "Shaded", look: VexaButton.Shaded },
                    { name: "FlatClassic", look: VexaButton.FlatClassic },
                    { name: "FlatThin", look: VexaButton.FlatThin },
                    { name: "System", look: VexaButton.System }
                ]
                VexaButton {
                    required property var modelData
                    width: 121
                    height: 33
                    buttonStyle: modelData.look
                    caption: modelData.name
                    toolTip: "The " + modelData.name + " look"
                    onClick: window.report("Clicked " + modelData.name)
                }
            }
        }

        Text {
            text: "Check buttons"
            font.bold: true
        }
        Row {
            spacing: 6
            Repeater {
                model: ["&Bold", "&Italic", "&Underline"]
                VexaButton {
                    required property string modelData
                    width: 121
                    height: 33
                    buttonStyle: VexaButton.Gel
                    mode: VexaButton.CheckButton
                    caption: modelData
                    onToggled: checked => window.report(modelData.replace("&", "") + (checked ? " on" : " off"))
                }
            }
        }

        Text {
            text: "Option group"
            font.bold: true
        }
        // Option buttons under one parent item form one group: a click on
        // one lets the others up.
        Row {
            spacing: 6
            Repeater {
                model: ["Small", "Medium", "Large"]
                VexaButton {
                    required property string modelData
                    required property int index
                    width: 121
                    height: 33
                    buttonStyle: VexaButton.SoftBlue
                    mode: VexaButton.OptionButton
                    caption: modelData
                    value: index === 1
                    onClick: window.report("Chosen: " + modelData)
                }
            }
        }

        Text {
            text: "Popup menu"
            font.bold: true
        }
        Row {
            spacing: 6
            VexaButton {
                width: 121
                height: 33
                buttonStyle: VexaButton.BlueGlass
                caption: "&Open"
                dropDownSymbol: 6
                dropDownSeparator: true
                popupMenu: fileMenu
            }
            Text {
                id: status
                height: 33
                verticalAlignment: Text.AlignVCenter
                text: "Click a button"
            }
        }
    }

    Menu {
        id: fileMenu
        MenuItem {
            text: "New"
            onTriggered: window.report("Menu: New")
        }
        MenuItem {
            text: "Open..."
            onTriggered: window.report("Menu: Open")
        }
        MenuSeparator {}
        MenuItem {
            text: "Close"
            onTriggered: window.report("Menu: Close")
        }
    }
}
