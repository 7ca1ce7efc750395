VERSION 5.00
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "COMDLG32.OCX"
Begin VB.Form frmMain 
   Caption         =   "Inventory"
   ClientHeight    =   5190
   ClientLeft      =   165
   ClientTop       =   855
   ClientWidth     =   7095
   Icon            =   "frmMain.frx":0000
   LinkTopic       =   "Form1"
   ScaleHeight     =   5190
   ScaleWidth      =   7095
   StartUpPosition =   3  'Windows Default
   Begin MSComDlg.CommonDialog dlgFile 
      Left            =   6480
      Top             =   4560
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   393216
      DefaultExt      =   "inv"
      Filter          =   "Inventory files (*.inv)|*.inv|All files (*.*)|*.*"
   End
   Begin Inventory.ctlGauge gauStock 
      Height          =   375
      Left            =   120
      TabIndex        =   6
      Top             =   4680
      Width           =   4575
      _ExtentX        =   8070
      _ExtentY        =   661
      Max             =   200
      Caption         =   "No item selected"
   End
   Begin VB.PictureBox picToolbar 
      Align           =   1  'Align Top
      BorderStyle     =   0  'None
      Height          =   495
      Left            =   0
      ScaleHeight     =   495
      ScaleWidth      =   7095
      TabIndex        =   7
      Top             =   0
      Width           =   7095
      Begin VB.CommandButton cmdRemove 
         Caption         =   "&Remove"
         Height          =   375
         Left            =   1320
         TabIndex        =   9
         Top             =   60
         Width           =   1095
      End
      Begin VB.CommandButton cmdAdd 
         Caption         =   "&Add..."
         Height          =   375
         Left            =   120
         TabIndex        =   8
         Top             =   60
         Width           =   1095
      End
   End
   Begin VB.Frame fraFilter 
      Caption         =   "Show"
      Height          =   1935
      Left            =   4920
      TabIndex        =   1
      Top             =   600
      Width           =   2055
      Begin VB.TextBox txtSearch 
         Height          =   285
         Left            =   120
         TabIndex        =   5
         Top             =   1440
         Width           =   1815
      End
      Begin VB.OptionButton optFilter 
         Caption         =   "Out of stock"
         Height          =   255
         Index           =   2
         Left            =   120
         TabIndex        =   4
         Top             =   1000
         Width           =   1815
      End
      Begin VB.OptionButton optFilter 
         Caption         =   "To reorder"
         Height          =   255
         Index           =   1
         Left            =   120
         TabIndex        =   3
         Top             =   640
         Width           =   1815
      End
      Begin VB.OptionButton optFilter 
         Caption         =   "All items"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   2
         Top             =   280
         Value           =   -1  'True
         Width           =   1815
      End
   End
   Begin VB.ListBox lstItems 
      Height          =   3960
      Left            =   120
      TabIndex        =   0
      Top             =   600
      Width           =   4695
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileOpen 
         Caption         =   "&Open..."
         Shortcut        =   ^O
      End
      Begin VB.Menu mnuFileSave 
         Caption         =   "&Save"
         Shortcut        =   ^S
      End
      Begin VB.Menu mnuFileSep 
         Caption         =   "-"
      End
      Begin VB.Menu mnuFileExit 
         Caption         =   "E&xit"
      End
   End
   Begin VB.Menu mnuView 
      Caption         =   "&View"
      Begin VB.Menu mnuViewSort 
         Caption         =   "&Sort by"
         Begin VB.Menu mnuSortBy 
            Caption         =   "&Code"
            Checked         =   -1  'True
            Index           =   0
         End
         Begin VB.Menu mnuSortBy 
            Caption         =   "&Description"
            Index           =   1
         End
         Begin VB.Menu mnuSortBy 
            Caption         =   "&Quantity"
            Index           =   2
         End
      End
   End
   Begin VB.Menu mnuHelp 
      Caption         =   "&Help"
      Begin VB.Menu mnuHelpAbout 
         Caption         =   "&About Inventory..."
      End
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
' frmMain - the stock list with its filter, the toolbar and the gauge.
' The gauge shows the selected item against twice its reorder level.

Private mFilter As Integer, mSortBy As Integer
Const FILTER_ALL = 0, FILTER_LOW = 1, FILTER_EMPTY = 2

Private Sub Form_Load()
    InitInventory
  mFilter = FILTER_ALL: mSortBy = soByCode
	If Len(Command$) > 0 Then
        OpenFile Command$
    Else
            RefreshList
            UpdateCaption
    End If
End Sub

Private Sub Form_Resize()
    If WindowState = vbMinimized Then Exit Sub
    On Error Resume Next     ' too small a window gives negative sizes
    With lstItems
        .Width = ScaleWidth - fraFilter.Width - 360
        .Height = ScaleHeight - .Top - gauStock.Height - 240
      fraFilter.Left = .Left + .Width + 120
    End With
    gauStock.Top = ScaleHeight - gauStock.Height - 120
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
    If Not gDirty Then Exit Sub
    Select Case MsgBox("Save the changes to """ & gDataFile & """?", vbYesNoCancel + vbQuestion, APP_TITLE)
    Case vbYes
        mnuFileSave_Click
        If gDirty Then Cancel = True
    Case vbCancel
        Cancel = True
    Case Else
        ' No: the changes are dropped
    End Select
End Sub

Private Sub optFilter_Click(Index As Integer)
    mFilter = Index: RefreshList
End Sub

Private Sub txtSearch_Change()
    RefreshList
End Sub

Private Sub lstItems_Click()
Dim itm As CItem
    If lstItems.ListIndex < 0 Then Exit Sub
    Set itm = Items(lstItems.ItemData(lstItems.ListIndex))
    gauStock.SetRange IIf(itm.ReorderLevel > 0, itm.ReorderLevel * 2, 100), itm.ReorderLevel
    gauStock.Value = itm.Quantity
    gauStock.Caption = itm.Quantity & " x " & itm.Description
End Sub

Private Sub cmdAdd_Click()
    Dim newCode As String, qtyText As String
    Dim itm As CItem
    On Error GoTo BadInput
    newCode = UCase$(Trim$(InputBox("Item code (* for a new number):", APP_TITLE)))
    If newCode = "" Then Exit Sub
    If newCode = "*" Then newCode = UniqueCode("IT")
    If Not FindItem(newCode) Is Nothing Then MsgBox "Item " & newCode & " already exists.", vbExclamation: Exit Sub
    Set itm = New CItem
    itm.Code = newCode
    itm.Description = InputBox("Description of " & newCode & ":", APP_TITLE)
    qtyText = InputBox("Quantity on hand:", APP_TITLE, "0")
    If IsNumeric(qtyText) Then itm.Receive CLng(qtyText) Else itm.Receive 0
    Items.Add itm, newCode
    gDirty = True
    RefreshList
    Exit Sub
BadInput:
    MsgBox "Item not added: " & Err.Description, vbExclamation, APP_TITLE
End Sub

Private Sub cmdRemove_Click()
    Dim idx As Long
    idx = lstItems.ListIndex
    If idx < 0 Then
        Beep
    ElseIf MsgBox("Remove " & lstItems.List(idx) & "?", vbYesNo + vbQuestion, APP_TITLE) = vbYes Then
        Items.Remove lstItems.ItemData(idx)
        gDirty = True
        RefreshList
    End If
End Sub

Private Sub mnuFileOpen_Click()
    On Error GoTo Cancelled
    dlgFile.CancelError = True
    dlgFile.Flags = cdlOFNFileMustExist Or cdlOFNHideReadOnly
    dlgFile.ShowOpen
    OpenFile dlgFile.FileName
    Exit Sub
Cancelled:
    If Err.Number <> cdlCancel Then MsgBox Err.Description, vbCritical, APP_TITLE
End Sub

Private Sub mnuFileSave_Click()
    If gDataFile = "" Then
        On Error GoTo Cancelled
        dlgFile.CancelError = True
        dlgFile.Flags = cdlOFNOverwritePrompt Or cdlOFNHideReadOnly
        dlgFile.ShowSave
        gDataFile = dlgFile.FileName
    End If
    If Not SaveInventory(gDataFile) Then MsgBox "Could not save: " & LastError(), vbCritical, APP_TITLE
    UpdateCaption
Cancelled:
End Sub

Private Sub mnuFileExit_Click()
    Unload Me
End Sub

Private Sub mnuSortBy_Click(Index As Integer)
    Dim i As Integer
    For i = mnuSortBy.LBound To mnuSortBy.UBound
        mnuSortBy(i).Checked = (i = Index)
    Next
    mSortBy = Index
    SortItems mSortBy
    RefreshList
End Sub

Private Sub mnuHelpAbout_Click()
    MsgBox APP_TITLE & " " & App.Major & "." & App.Minor & "." & App.Revision & vbCrLf & vbCrLf & "Keeps the stock list of a small shop: what is on the shelf, what it is worth and what has to be ordered again." & vbCrLf & "Data files are plain text with one item per line; File, Save keeps the previous file as *.bak.", vbInformation, "About " & APP_TITLE
End Sub

Private Sub OpenFile(ByVal FileName As String)
    Dim badLines As Long
    If LoadInventory(FileName, True, badLines) < 0 Then
        MsgBox LastError(), vbExclamation, APP_TITLE
    ElseIf badLines > 0 Then
        MsgBox badLines & " line(s) of " & FileName & " could not be read and were left out.", vbInformation, APP_TITLE
    End If
    SortItems mSortBy
    RefreshList
    UpdateCaption
End Sub

Private Sub RefreshList()
    Dim i As Long, itm As CItem
    Dim pattern As String
    pattern = UCase$(Trim$(txtSearch.Text))
    lstItems.Clear
    For i = 1 To Items.Count
        Set itm = Items(i)
        If ShowsItem(itm, pattern) Then
            lstItems.AddItem itm.Code & vbTab & itm.Description & vbTab & itm.Quantity
            lstItems.ItemData(lstItems.NewIndex) = i
        End If
    Next i
    gauStock.Caption = StockReport()
End Sub

Private Function ShowsItem(itm As CItem, pattern As String) As Boolean
    Select Case mFilter
        Case FILTER_LOW: If Not itm.NeedsReorder Then Exit Function
        Case FILTER_EMPTY: If itm.Quantity > 0 Then Exit Function
    End Select
    If pattern <> "" Then
        If InStr(1, UCase$(itm.Code & " " & itm.Description), pattern) = 0 Then Exit Function
    End If
    ShowsItem = True
End Function

' Static: lastShown keeps the name that is on the title bar now.
Private Static Sub UpdateCaption()
    Dim lastShown As String, shown As Boolean
    If Not shown Or lastShown <> gDataFile Then
        shown = True: lastShown = gDataFile
        Caption = APP_TITLE & " - " & IIf(gDataFile = "", "(untitled)", gDataFile)
    End If
End Sub
