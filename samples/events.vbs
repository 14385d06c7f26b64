' Event handlers. A VBA or VB6 form connects a Sub named
' <control>_<event> by itself; so does Windows' cscript with
' WScript.ConnectObject. Where the host cannot connect events (Wine's
' cscript), this script calls the handlers itself to show what they do.
Option Explicit
Dim BrixelDemo1
Set BrixelDemo1 = CreateObject("BRIXELDEMO.BrixelDemo.1")
BrixelDemo1.Menu = True
BrixelDemo1.AddMenuItem 10, -1
BrixelDemo1.MenuItemCaption(10) = "&Open"
BrixelDemo1.AddMenuItem 40, -1
BrixelDemo1.MenuItemCaption(40) = "E&xit"

' --- guide: events-menu
Sub BrixelDemo1_MenuItemClicked(ItemID)
    Select Case ItemID
        Case 10: WScript.Echo "Open chosen"
        Case 40: WScript.Echo "Exit chosen"
        Case Else: WScript.Echo "Item " & ItemID & " chosen"
    End Select
End Sub

Sub BrixelDemo1_MenuDropped(Dropped)
    If Dropped Then WScript.Echo "The menu opened" Else WScript.Echo "The menu closed"
End Sub
' --- end

' --- guide: events-click
Sub BrixelDemo1_Click()
    WScript.Echo "Clicked"
End Sub

Sub BrixelDemo1_ButtonToggled(State)
    WScript.Echo "Toggled: " & State
End Sub
' --- end

Dim connected
On Error Resume Next
WScript.ConnectObject BrixelDemo1, "BrixelDemo1_"
connected = (Err.Number = 0)
On Error GoTo 0
If connected Then
    WScript.Echo "Handlers connected"
Else
    WScript.Echo "This host connects no handlers; calling them as a form would"
    BrixelDemo1_MenuDropped True
    BrixelDemo1_MenuItemClicked 10
    BrixelDemo1_MenuDropped False
    BrixelDemo1_Click
End If
WScript.Echo "Done."
