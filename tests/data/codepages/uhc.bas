' 재고 관리 모듈：표시와 집계
Option Explicit

Dim 상품명 As String
Dim lCount As Long

Sub ShowTotal()
For n = 1 To 10
lCount = lCount + n ' 합계를 센다
Next
If lCount > 0 Then MsgBox "재고 수：" & lCount: sTitle = "표시"
MsgBox "소프트웨어 표시" & _
"종료"
End Sub
