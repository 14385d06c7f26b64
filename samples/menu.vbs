' Building the drop-down menu in code: items, sub-items, a separator, and
' walking the tree back.
Option Explicit
Dim BrixelDemo1
Set BrixelDemo1 = CreateObject("BRIXELDEMO.BrixelDemo.1")

' --- guide: menu-build
Const TOP_LEVEL = -1
BrixelDemo1.Menu = True

BrixelDemo1.AddMenuItem 10, TOP_LEVEL
BrixelDemo1.MenuItemCaption(10) = "&Open"
BrixelDemo1.AddMenuItem 20, TOP_LEVEL
BrixelDemo1.MenuItemCaption(20) = "Save &as"
BrixelDemo1.AddMenuItem 21, 20          ' sub-items of "Save as"
BrixelDemo1.MenuItemCaption(21) = "Text file"
BrixelDemo1.AddMenuItem 22, 20
BrixelDemo1.MenuItemCaption(22) = "Picture"
BrixelDemo1.AddMenuItem 30, TOP_LEVEL
BrixelDemo1.MenuItemSeparator(30) = True
BrixelDemo1.AddMenuItem 40, TOP_LEVEL
BrixelDemo1.MenuItemCaption(40) = "E&xit"
' "Close" goes just before "Exit", in the same list.
BrixelDemo1.InsertMenuItem 35, 40
BrixelDemo1.MenuItemCaption(35) = "&Close"
BrixelDemo1.MenuItemEnabled(35) = False
' --- end

' --- guide: menu-walk
Sub ListItems(parentId, indent)
    Dim i, id
    For i = 0 To BrixelDemo1.GetMenuItemCount(parentId) - 1
        id = BrixelDemo1.GetMenuItemIDFromIndex(parentId, i)
        If BrixelDemo1.MenuItemSeparator(id) Then
            WScript.Echo indent & "----"
        Else
            WScript.Echo indent & id & " " & BrixelDemo1.MenuItemCaption(id)
        End If
        If BrixelDemo1.IsMenuItemParent(id) Then ListItems id, indent & "    "
    Next
End Sub

ListItems -1, ""
WScript.Echo BrixelDemo1.GetTotalMenuItemCount() & " items in all"
' --- end

' --- guide: menu-remove
BrixelDemo1.RemoveMenuItem 20           ' takes 21 and 22 with it
WScript.Echo BrixelDemo1.GetTotalMenuItemCount() & " items after removing Save as"
WScript.Echo "Parent of 21: " & BrixelDemo1.GetMenuItemParentID(21)   ' -2: no such item
' --- end
WScript.Echo "Done."
