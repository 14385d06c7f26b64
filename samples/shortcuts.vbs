' Menu shortcuts, hyperlinks and sounds.
Option Explicit
Dim BrixelDemo1
Set BrixelDemo1 = CreateObject("BRIXELDEMO.BrixelDemo.1")
BrixelDemo1.Menu = True
BrixelDemo1.AddMenuItem 10, -1
BrixelDemo1.MenuItemCaption(10) = "&Open"
BrixelDemo1.AddMenuItem 20, -1
BrixelDemo1.MenuItemCaption(20) = "&Save"
BrixelDemo1.AddMenuItem 50, -1
BrixelDemo1.MenuItemCaption(50) = "Project home page"

' --- guide: shortcuts
Const SHORTCUT_CTRL_O = 15
Const SHORTCUT_CTRL_S = 19
Const SHORTCUT_F1 = 27
BrixelDemo1.MenuItemShortcut(10) = SHORTCUT_CTRL_O
BrixelDemo1.MenuItemShortcut(20) = SHORTCUT_CTRL_S
WScript.Echo "Save has shortcut code " & BrixelDemo1.MenuItemShortcut(20)
BrixelDemo1.MenuItemShortcut(20) = 0    ' no shortcut any more
' --- end

' --- guide: hyperlinks
BrixelDemo1.Hyperlink = True
BrixelDemo1.HyperlinkAddress = "https://example.com/help"
BrixelDemo1.ShowHyperlink = False       ' True shows the address instead of the caption

BrixelDemo1.MenuItemHyperlink(50) = True
BrixelDemo1.MenuItemHyperlinkAddress(50) = "https://example.com/"
' --- end
WScript.Echo "Button opens " & BrixelDemo1.HyperlinkAddress
WScript.Echo "Item 50 opens " & BrixelDemo1.MenuItemHyperlinkAddress(50)

' --- guide: sounds
Const kvnNoSound = 0
Const kvnSound1 = 1
Const kvnCustom = 99
BrixelDemo1.ClickSound = kvnSound1
BrixelDemo1.MouseInSound = kvnNoSound

On Error Resume Next
BrixelDemo1.ClickSoundFile = "C:\no such folder\chime.wav"
If Err.Number <> 0 Then
    WScript.Echo "ClickSoundFile refused: " & Err.Description & " (error " & Err.Number & ")"
    Err.Clear
End If
On Error GoTo 0
' --- end
WScript.Echo "ClickSoundFile after the error: """ & BrixelDemo1.ClickSoundFile & """"
WScript.Echo "Done."
