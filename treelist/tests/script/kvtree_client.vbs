' A script client of kvtree.dll through its registered ProgID and type library (no window).
Option Explicit
Dim t, failures, deep
failures = 0

Sub Check(name, got, want)
  If got <> want Then
    WScript.Echo "FAIL " & name & ": got [" & got & "], want [" & want & "]"
    failures = failures + 1
  Else
    WScript.Echo "ok " & name
  End If
End Sub

Set t = CreateObject("TreeViewLibCtl.kvTreeView")
Check "empty list", t.ListCount, 0
Check "first AddNode", t.AddNode("System", 0, 1), 0
t.AddNode "Explorer", 0, 2
t.AddNode "Desktop", 0, 2
Check "ListCount", t.ListCount, 3
Check "NodeText", t.NodeText(1), "Explorer"
Check "NodeLevel", t.NodeLevel(2), 2
Check "NodeParent", t.NodeParent(2), 0
Check "Children", t.Children(0), 2
t.NodeCargo(1) = "117"
Check "NodeCargo", t.NodeCargo(1), "117"
Check "NodeCargo cut at 511", Len(t.NodeCargo(1) & String(600, "x")) > 600, True
t.NodeCargo(2) = String(600, "c")
Check "long NodeCargo returned cut", Len(t.NodeCargo(2)), 511
t.Selected = 2
Check "Selected", t.Selected, 2
Check "ListIndex is Selected", t.ListIndex, 2
t.Selected = 3
Check "Selected = ListCount refused", t.Selected, 2
t.NodeColumnCheck(1, 1) = 1
Check "NodeColumnCheck", t.NodeColumnCheck(1, 1), 1
t.NodeColumnCheck(1, 1) = 5
Check "NodeColumnCheck 5 stores 0", t.NodeColumnCheck(1, 1), 0
deep = t.AddNode("Deep", 0, 4)
Check "level corrected", t.NodeLevel(deep), 2
Check "out-of-range NodeText", t.NodeText(99), ""
Check "PictureType default", t.PictureType, 3
Check "TreeLines default", t.TreeLines, True
Check "SelectedBackColor default", t.SelectedBackColor, &H800000
t.TitleText = "Functions"
Check "TitleText", t.TitleText, "Functions"
t.NodeExpanded(0) = True
Check "ItemsOpen", t.ItemsOpen, 4
Check "Path", t.Path(1), "System\Explorer"
t.NodeData(2) = 7
Check "FindData", t.FindData(7), 2
Check "FindNext exhausted", t.FindNext(7), -1
Check "AddColumn", t.AddColumn("Name", 120), 1
Check "ColumnText", t.ColumnText(1), "Name"
' The stock Font object and the plain font properties show one font, both ways. A font object
' reads back the face and size it realized (under Wine every face here realizes as the same
' substitute), so sizes are compared with the object and faces only where the object set them.
Dim f, g
Set f = t.Font
Check "Font object size is FontSize", f.Size, t.FontSize
f.Bold = True
f.Size = 12
Check "Font.Bold reaches FontBold", t.FontBold, True
Check "Font.Size reaches FontSize", t.FontSize, f.Size
Check "FontName kept when only the size changed", t.FontName, "MS Sans Serif"
t.FontItalic = True
t.FontSize = 20
Check "FontItalic reaches the Font object", f.Italic, True
Check "FontSize reaches the Font object", Abs(f.Size - 20) < 1.5, True
Check "still one object", t.Font.Bold, True
Set g = CreateObject("StdFont")
g.Name = "Courier New"
g.Size = 10
Set t.Font = g
Check "Set Font: FontName", t.FontName, g.Name
Check "Set Font: FontBold", t.FontBold, False
Check "Set Font: FontSize", t.FontSize, g.Size
g.Size = 20
Check "Set Font took a copy", t.FontSize <> g.Size, True
t.RemoveNode 0
Check "RemoveNode takes the branch", t.ListCount, 0
Check "selection cleared", t.Selected, -1
WScript.Echo "failures: " & failures
WScript.Quit failures
