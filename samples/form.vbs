' Setting up a button in code, as a form's Load (VB6) or Initialize (VBA)
' handler does. On a form the designer creates BrixelDemo1; a script
' creates it by its ProgID.
Option Explicit
Dim BrixelDemo1
Set BrixelDemo1 = CreateObject("BRIXELDEMO.BrixelDemo.1")

' The type library's constants have these values; VB6 and VBA know the
' names, a script declares the ones it uses.
Const kvnXPStyleAPB = 2
Const kvnXPSilverScheme = 2
Const kvnLeftJustify = 0
Const kvnGradientStyleVertical = 1

' --- guide: form-setup
BrixelDemo1.Caption = "&Save"
BrixelDemo1.ToolTipText = "Save the document (Alt+S)"
BrixelDemo1.Appearance = kvnXPStyleAPB
BrixelDemo1.XPColorScheme = kvnXPSilverScheme
BrixelDemo1.CaptionHAlignment = kvnLeftJustify
BrixelDemo1.CaptionMargins = "24;6;6;6"
BrixelDemo1.Font.Bold = True
' --- end

' --- guide: form-states
BrixelDemo1.MouseInBackColor = RGB(255, 238, 194)
BrixelDemo1.MouseInFontColor = RGB(0, 0, 128)
BrixelDemo1.DownBackColor = RGB(255, 213, 140)
BrixelDemo1.Gradient = True
BrixelDemo1.GradientStyle = kvnGradientStyleVertical
BrixelDemo1.GradientColor1 = RGB(255, 255, 255)
BrixelDemo1.GradientColor2 = RGB(214, 222, 249)
' --- end

' --- guide: form-toggle
BrixelDemo1.ToggleButton = True
WScript.Echo "Latched down: " & BrixelDemo1.GetToggleState()
' --- end

WScript.Echo "Caption: " & BrixelDemo1.Caption
WScript.Echo "Caption font bold: " & BrixelDemo1.Font.Bold
WScript.Echo "Mouse-in back colour: &H" & Hex(BrixelDemo1.MouseInBackColor)
WScript.Echo "Done."
