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

On Error Resume Next
button.NoSuchMember = 1
Check Err.Number <> 0, "unknown member raises an error"
Err.Clear
On Error GoTo 0

Set button = Nothing
If failures = 0 Then WScript.Echo "client passed" Else WScript.Echo failures & " checks failed"
