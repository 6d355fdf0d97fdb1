' The dialog library as a script client sees it after regsvr32: special folders, the message dialog
' (closed by the test driver's click on "Ja"), the flat scroll bar windowless, and a numbered error.
Option Explicit
Dim shf, dlg, fsb, gs, profile, answer

Set shf = CreateObject("KorvnDialoge.ShFoldr")
profile = shf.GetSpecialFolder(0, 40)
WScript.Echo "profile=" & profile
WScript.Echo "drives=[" & shf.GetSpecialFolder(0, 17) & "]"

Set fsb = CreateObject("KorvnDialoge.FlatScrollBar")
fsb.Min = 0
fsb.Max = 100
fsb.Value = 95
fsb.SmallChange = 10
WScript.Echo "scroll=" & fsb.Value & "/" & fsb.Max & "/" & fsb.SmallChange & "/" & fsb.LargeChange

Class Client
  Public MsgResponse
  Public Function WindowProc(hwnd, msg, wp, lp)
    WindowProc = 0
  End Function
End Class

Set gs = CreateObject("KorvnDialoge.GSubclass")
On Error Resume Next
gs.AttachMessage New Client, 1, 15
WScript.Echo "error=" & Hex(Err.Number) & "|" & Err.Source & "|" & Err.Description
Err.Clear
On Error GoTo 0

Set dlg = CreateObject("KorvnDialoge.Dialog")
WScript.Echo "ready"
answer = dlg.MsgDlg("", "Von cscript aus|zweite Zeile", False, 0, 2)
WScript.Echo "answer=" & answer
