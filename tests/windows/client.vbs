' A scripting client of the control: every check prints "ok <what>" or
' "FAIL <what>", and the harness fails the test on any FAIL or a missing ok.
Option Explicit

Dim failures : failures = 0

Sub Check(condition, what)
    If condition Then
        WScript.Echo "ok " & what
    Else
        WScript.Echo "FAIL " & what
        failures = failures + 1
    End If
End Sub

Dim button
Set button = CreateObject("BRIXELDEMO.BrixelDemo.1")
Check IsObject(button), "created by ProgID"

button.Caption = "&Save file"
Check button.Caption = "&Save file", "Caption round trip"
button.Caption = ""
Check button.Caption = "", "empty Caption"
button.Caption = 42
Check button.Caption = "42", "Caption coerces a number"

button.BackColor = &H743C00
Check button.BackColor = &H743C00, "BackColor round trip"
button.BackColor = &H8000000F
Check button.BackColor = &H8000000F, "BackColor keeps a system colour reference"

button.PerformClick
Check True, "PerformClick returns"

' Defaults of a new control.
Check button.Appearance = 2, "Appearance defaults to XP style"
Check button.ClickSound = 1 And button.MouseInSound = 2, "sound defaults"
Check button.CaptionMargins = "6;6;6;6", "CaptionMargins default"
Check button.BorderColor = &H743C00, "BorderColor default"
Check button.Bevel = 1 And button.TranslucentLevel = 120, "Bevel and TranslucentLevel defaults"
Check button.MenuButtonWidth = 17 And button.Menu = False, "menu defaults"
Check button.Enabled And button.Active And button.ShowFocusBorder, "Boolean defaults"
' (Font objects report the realised face and size, 8.25 points for 8.)
Check Int(button.Font.Size) = 8 And Not button.Font.Bold, "Font default"
Check button.Value = False, "Value reads False outside Click"

' The translations and clamps of the setters.
button.Bevel = -5
Check button.Bevel = 0, "Bevel clamps at 0"
button.MousePointer = 16
Check button.MousePointer = 99, "MousePointer 16 is stored as 99"
button.ClickSound = 3
Check button.ClickSound = 99, "ClickSound 3 is stored as 99"
button.CornerStyle = "1;0;1;0"
Check button.CornerStyle = "1;0;1;0", "CornerStyle round trip"

' Automation errors a script sees.
On Error Resume Next
button.ClickSoundFile = "C:\no\such\folder\click.wav"
Check Err.Number = 76, "a missing folder raises error 76 (got " & Err.Number & ")"
Err.Clear
button.ClickSoundFile = "C:\windows\no-such-click.wav"
Check Err.Number = 53, "a missing file raises error 53 (got " & Err.Number & ")"
Check button.ClickSoundFile = "", "a refused sound file leaves the property empty"
Err.Clear
button.hWnd = 5
Check Err.Number = 383, "hWnd cannot be set (got " & Err.Number & ")"
Err.Clear
On Error GoTo 0

On Error Resume Next
button.NoSuchMember = 1
Check Err.Number <> 0, "unknown member raises an error"
Err.Clear
On Error GoTo 0

' A two-level menu through the item methods and indexed properties.
button.AddMenuItem 1, -1
button.AddMenuItem 2, 1
button.AddMenuItem 3, -1
button.InsertMenuItem 4, 3
button.MenuItemCaption(1) = "&File"
button.MenuItemCaption(2) = "Open"
button.MenuItemShortcut(2) = 15
Check button.GetTotalMenuItemCount() = 4, "four items in all"
Check button.GetMenuItemCount(-1) = 3, "three top-level items"
Check button.GetMenuItemIDFromIndex(-1, 1) = 4, "InsertMenuItem places before its target"
Check button.GetMenuItemIDFromIndex(-1, 7) = -2, "an index past the end reads -2"
Check button.GetMenuItemParentID(2) = 1, "the sub-item names its parent"
Check button.IsMenuItemParent(1) And Not button.IsMenuItemParent(2), "IsMenuItemParent"
Check button.MenuItemCaption(1) = "&File" And button.MenuItemCaption(2) = "Open", "captions round trip"
Check button.MenuItemShortcut(2) = 15, "shortcut code round trip"
Check button.MenuItemEnabled(2) And button.MenuItemVisible(2), "new items are enabled and visible"
Check button.MenuItemCaption(99) = "", "a missing item reads empty"
button.RemoveMenuItem 1
Check button.GetTotalMenuItemCount() = 2, "removing a parent removes its sub-items"

Set button = Nothing
If failures = 0 Then WScript.Echo "client passed" Else WScript.Echo failures & " checks failed"
