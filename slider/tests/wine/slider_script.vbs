' A script client of "SlideLibCtl.kvSlide": windowless creation, the range rules, enumerations,
' refused values and the default property. Prints one line per failed check; exits with the count.
Option Explicit
Dim failures : failures = 0

Sub Check(name, actual, expected)
  If CStr(actual) <> CStr(expected) Then
    WScript.Echo "FAIL " & name & ": got " & actual & ", expected " & expected
    failures = failures + 1
  End If
End Sub

Dim s : Set s = CreateObject("SlideLibCtl.kvSlide")
Check "default MinValue", s.MinValue, 0
Check "default MaxValue", s.MaxValue, 100
Check "default Value", s.Value, 0
Check "default PageMove", s.PageMove, 5
Check "default ShowMax", s.ShowMax, 2
Check "default BackColor", s.BackColor, &HC0C0C0
Check "windowless hWnd", s.hWnd, 0

' Colours are plain Longs: a script sets them and reads the same number back, system colours too.
s.BarColor = RGB(46, 95, 158)
Check "BarColor set from script", s.BarColor, RGB(46, 95, 158)
s.InnerColor = &H8000000F
Check "InnerColor system colour", s.InnerColor, &H8000000F
s.BackColor = &HFFFFFF
Check "BackColor white", s.BackColor, &HFFFFFF

s.MinValue = 150
Check "MinValue crossing: MinValue", s.MinValue, 100
Check "MinValue crossing: MaxValue", s.MaxValue, 150
Check "MinValue crossing: Value", s.Value, 100

s.MinValue = 0
s.MaxValue = 100
s.Value = -5
Check "Value below range", s.Value, 0
s.Value = 77
Check "Value inside range", s.Value, 77
Check "SlideValue alias", s.SlideValue, 77
s.SlideValue = 12
Check "Value through alias", s.Value, 12
s.MaxValue = 10
Check "MaxValue below Value clamps", s.Value, 10
s.MaxValue = -20
Check "MaxValue crossing: MinValue", s.MinValue, -20
Check "MaxValue crossing: MaxValue", s.MaxValue, 0
Check "MaxValue crossing: Value", s.Value, 0

s.MinValue = -32768
s.MaxValue = 32767
s.Value = 32767
Check "16-bit top", s.Value, 32767

s.SliderStyle = 1
Check "SliderStyle SlideVert", s.SliderStyle, 1
s.ThumbStyle = 2
Check "ThumbStyle", s.ThumbStyle, 2
s.FontName = "Arial"
Check "FontName", s.FontName, "Arial"
' The Font object and the plain font properties are one font, both ways.
s.Font.Bold = True
Check "Font.Bold reaches FontBold", s.FontBold, True
s.FontItalic = True
Check "FontItalic reaches Font.Italic", s.Font.Italic, True
Check "Font.Bold leaves the face", s.FontName, "Arial"
s.Enabled = False
Check "Enabled", s.Enabled, False

On Error Resume Next
s.SliderStyle = 5
Check "refused SliderStyle error", Err.Number, 380
Err.Clear
s.InnerLeft = -1
Check "refused InnerLeft error", Err.Number, 380
Err.Clear
s.Value = 40000
Check "Value beyond 16 bits is an overflow", (Err.Number <> 0), True
Err.Clear
On Error GoTo 0
Check "SliderStyle unchanged after refusal", s.SliderStyle, 1
Check "InnerLeft unchanged after refusal", s.InnerLeft, 10

s.MinValue = 0
s.MaxValue = 100
s.Value = 42
Check "default property reads Value", s, 42

Set s = Nothing
If failures = 0 Then WScript.Echo "slider script client: all checks passed"
WScript.Quit failures
