' 庫存管理模組：顯示與統計，許功蓋
Option Explicit

Dim 商品名 As String
Dim lCount As Long

Sub ShowTotal()
For n = 1 To 10
lCount = lCount + n ' 計算合計
Next
If lCount > 0 Then MsgBox "庫存數：" & lCount: sTitle = "顯示"
MsgBox "軟體的顯示" & _
"結束"
End Sub
