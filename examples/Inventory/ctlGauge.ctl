VERSION 5.00
Begin VB.UserControl ctlGauge 
   AutoRedraw      =   -1  'True
   ClientHeight    =   375
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   2895
   ScaleHeight     =   375
   ScaleWidth      =   2895
   Begin VB.Label lblCaption 
      Alignment       =   2  'Center
      BackStyle       =   0  'Transparent
      Height          =   255
      Left            =   0
      TabIndex        =   0
      Top             =   60
      Width           =   2895
   End
End
Attribute VB_Name = "ctlGauge"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = False
Attribute VB_Exposed = False
'ctlGauge: a flat bar that shows a value against a maximum.  It is green
'while there is enough, and turns red at or below the warning level.
'
'! The colours are fixed on purpose; BarColor only changes the "enough" colour.

Public Event Change()

Private Const DEF_MAX As Long = 100, DEF_WARN As Long = 25
Private Const COLOR_OK As Long = &H8000&, COLOR_LOW As Long = &HC0&

Dim mValue As Long, mMax As Long
Dim mWarnLevel As Long
Private mBarColor As OLE_COLOR

Public Property Get Value() As Long
Attribute Value.VB_Description = "The level that the bar shows, from 0 to Max."
Attribute Value.VB_UserMemId = 0
    Value = mValue
End Property

Public Property Let Value(ByVal NewValue As Long)
    If NewValue < 0 Then NewValue = 0
    If NewValue > mMax Then NewValue = mMax
    If NewValue <> mValue Then
        mValue = NewValue
        PropertyChanged "Value"
        Redraw
        RaiseEvent Change
    End If
End Property

Public Property Get Max() As Long
    Max = mMax
End Property

Public Property Let Max(ByVal NewMax As Long)
    If NewMax < 1 Then NewMax = 1
  mMax = NewMax
  If mValue > mMax Then mValue = mMax
    PropertyChanged "Max"
    Redraw
End Property

Public Property Get BarColor() As OLE_COLOR
    BarColor = mBarColor
End Property

Public Property Let BarColor(ByVal NewColor As OLE_COLOR)
    mBarColor = NewColor: PropertyChanged "BarColor": Redraw
End Property

Public Property Get Caption() As String
    Caption = lblCaption.Caption
End Property

Public Property Let Caption(ByVal NewCaption As String)
    lblCaption.Caption = NewCaption
    PropertyChanged "Caption"
End Property

Public Property Get Font() As StdFont
    Set Font = lblCaption.Font
End Property

Public Property Set Font(ByVal NewFont As StdFont)
    Set lblCaption.Font = NewFont
    PropertyChanged "Font"
End Property

' Both limits at once, so that the bar is drawn only once.
Public Sub SetRange(ByVal NewMax As Long, Optional ByVal NewWarnLevel As Long = -1)
    mMax = IIf(NewMax < 1, 1, NewMax)
    If NewWarnLevel >= 0 Then mWarnLevel = NewWarnLevel Else mWarnLevel = mMax \ 4
    If mValue > mMax Then mValue = mMax
    Redraw
End Sub

Private Sub Redraw()
    Dim barWidth As Single
    UserControl.Cls
    If mMax > 0 Then barWidth = UserControl.ScaleWidth * mValue / mMax
    If barWidth > 0 Then
        If mValue <= mWarnLevel Then
            UserControl.Line (0, 0)-(barWidth, UserControl.ScaleHeight), COLOR_LOW, BF
        Else
            UserControl.Line (0, 0)-(barWidth, UserControl.ScaleHeight), mBarColor, BF
        End If
    End If
    ' a one-pixel frame, drawn last so that the bar never covers it
    UserControl.Line (0, 0)-(UserControl.ScaleWidth - Screen.TwipsPerPixelX, _
        UserControl.ScaleHeight - Screen.TwipsPerPixelY), vbButtonShadow, B
End Sub

Private Sub UserControl_InitProperties()
    mMax = DEF_MAX: mWarnLevel = DEF_WARN
    mBarColor = COLOR_OK
    lblCaption.Caption = Extender.Name
End Sub

Private Sub UserControl_ReadProperties(PropBag As PropertyBag)
    With PropBag
        mMax = .ReadProperty("Max", DEF_MAX)
        mValue = .ReadProperty("Value", 0)
        mWarnLevel = .ReadProperty("WarnLevel", DEF_WARN)
        mBarColor = .ReadProperty("BarColor", COLOR_OK)
        lblCaption.Caption = .ReadProperty("Caption", "")
        Set lblCaption.Font = .ReadProperty("Font", Ambient.Font)
    End With
End Sub

Private Sub UserControl_WriteProperties(PropBag As PropertyBag)
    PropBag.WriteProperty "Max", mMax, DEF_MAX
    PropBag.WriteProperty "Value", mValue, 0
    PropBag.WriteProperty "WarnLevel", mWarnLevel, DEF_WARN
    PropBag.WriteProperty "BarColor", mBarColor, COLOR_OK
    PropBag.WriteProperty "Caption", lblCaption.Caption, ""
    PropBag.WriteProperty "Font", lblCaption.Font, Ambient.Font
End Sub

Private Sub UserControl_Resize()
    lblCaption.Move 0, (ScaleHeight - lblCaption.Height) / 2, ScaleWidth
    Redraw
End Sub
