' 库存管理模块：显示与统计
Option Explicit

Dim 商品名 As String
Dim lCount As Long

Sub ShowTotal()
For n = 1 To 10
lCount = lCount + n ' 计算合计
Next
If lCount > 0 Then MsgBox "库存数：" & lCount: sTitle = "显示"
MsgBox "软件的显示" & _
"结束"
End Sub
