' A first look at the button from a script: create it, set and read its
' properties, and click it in code.
Option Explicit

Dim button
Set button = CreateObject("BRIXELDEMO.BrixelDemo.1")
WScript.Echo "Created the button through its ProgID BRIXELDEMO.BrixelDemo.1"

button.Caption = "&Save"
WScript.Echo "Caption is now: " & button.Caption

WScript.Echo "BackColor of a new button (the desktop's button face): &H" & Hex(button.BackColor)
button.BackColor = RGB(255, 224, 160)
WScript.Echo "BackColor is now: &H" & Hex(button.BackColor)

button.PerformClick
WScript.Echo "PerformClick ran: Click went to every connected event sink"
WScript.Echo "Done."
