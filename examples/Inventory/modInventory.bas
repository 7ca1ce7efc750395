Attribute VB_Name = "modInventory"
Option Explicit
'=====================================================================
' modInventory
' The stock list of the application and everything that reads or
' writes it: the data file, the CSV export, sorting, searching and
' the summary line under the list.
'=====================================================================
'! Keep FILE_VERSION in step with the record layout in CItem.ToRecord.

Public Enum ItemCategory
    icUncategorised = 0
    icHardware = 1
      icElectrical = 2
  icPlumbing = 3
    icGarden = 4
End Enum

Public Enum SortOrder
soByCode = 0
soByDescription = 1
soByQuantity = 2
End Enum

Public Const APP_TITLE As String = "Inventory", FILE_VERSION As Integer = 2
Public Const FIELD_SEP As String = "|", RECORD_TAG As String = "ITEM"
Public Const NO_DATE As Date = #1/1/1900#
Private Const HEADER_TAG = "INVENTORY", MAX_ITEMS = 5000
Private Const CSV_HEADER As String = "Code,Description,Category,Quantity,Unit price,Stock value,Reorder level,To reorder,Last received"

Private Type StockTotals
    ItemCount As Long
    Units As Long
        Value As Currency
  LowCount As Long
End Type

Public Items As Collection
Public gDataFile As String, gDirty As Boolean
Dim mLastError As String

#If DEBUG_LOG Then
Private Const LOG_FILE As String = "inventory.log"
#Else
Private Const LOG_FILE As String = ""
#End If

Public Sub InitInventory()
    Set Items = New Collection
    gDataFile = "": gDirty = False
End Sub

Public Function LastError() As String
  LastError = mLastError
End Function

'---------------------------------------------------------------------
' LoadInventory
' Reads a data file written by SaveInventory.  A line that cannot be
' read is counted in Skipped instead of stopping the load, so that a
' file edited by hand still opens.
'---------------------------------------------------------------------
Public Function LoadInventory(ByVal FileName As String, _
                              Optional ByVal ReplaceAll As Boolean = True, _
                              Optional ByRef Skipped As Long) As Long
    Dim f As Integer, lineNo As Long
    Dim textLine As String, itm As CItem
    On Error GoTo ErrHandler

    If ReplaceAll Or Items Is Nothing Then InitInventory
    f = FreeFile
    Open FileName For Input As #f
    Line Input #f, textLine
    If Left$(textLine, Len(HEADER_TAG)) <> HEADER_TAG Then
        mLastError = "Error: """ & FileName & """ isn't an inventory file (no 'INVENTORY' header)."
        Close #f
        LoadInventory = -1
        Exit Function
    End If
    '! the version number in the header is not checked yet
    lineNo = 1
    Do While Not EOF(f)
        Line Input #f, textLine: lineNo = lineNo + 1
        textLine = TrimSeparators(textLine)
        Select Case UCase$(Left$(textLine, 1))
        Case "", "'", ";"
            ' an empty line or a remark typed into the file by hand
        Case "I"
            Set itm = New CItem
        If itm.FromRecord(textLine) And _
   Items.Count < MAX_ITEMS Then
            Items.Add itm, itm.Code
        Else
            Skipped = Skipped + 1
        End If
            Case Else
                Skipped = Skipped + 1
        End Select
    Loop
    Close #f
    gDataFile = FileName
    gDirty = False
    LoadInventory = Items.Count
    Exit Function

ErrHandler:
    If Err.Number = 457 Then
        ' the same item code twice: keep the first one and go on
        Skipped = Skipped + 1
        Resume Next
    End If
    mLastError = "Line " & lineNo & ": " & Err.Description
    Close #f
    LoadInventory = -1
End Function

Public Function SaveInventory(ByVal FileName As String) As Boolean
    Dim f As Integer
    Dim itm As CItem
    On Error GoTo ErrHandler
    If FileName = "" Then Exit Function
    If Not BackupDataFile(FileName) Then LogMessage "No backup of " & FileName
    f = FreeFile
    Open FileName For Output As #f
    Print #f, HEADER_TAG & FIELD_SEP & FILE_VERSION & FIELD_SEP & Format$(Now, "yyyy-mm-dd hh:nn:ss")
    For Each itm In Items
    Print #f, itm.ToRecord()
    Next
    Close #f
    gDataFile = FileName: gDirty = False
    SaveInventory = True
    Exit Function
ErrHandler:
    mLastError = Err.Description
    On Error Resume Next
    Close #f
End Function

' The previous data file is kept as *.bak.  Line numbers stay in here so
' that the log can say which step failed.
Public Function BackupDataFile(ByVal FileName As String) As Boolean
10      On Error GoTo BackupFailed
20      If Len(Dir$(FileName)) = 0 Then BackupDataFile = True: Exit Function
30      If Len(Dir$(FileName & ".bak")) > 0 Then Kill FileName & ".bak"
40      FileCopy FileName, FileName & ".bak"
50      BackupDataFile = True
60      Exit Function
BackupFailed:
70      LogMessage "Backup of " & FileName & " failed at line " & Erl & ": " & Err.Description
End Function

Public Function ExportCsv(ByVal FileName As String) As Boolean
    Dim f As Integer, itm As CItem
    Dim attempts As Integer
    On Error GoTo ErrHandler
Retry:
    f = FreeFile
    Open FileName For Output As #f
    Print #f, CSV_HEADER
    For Each itm In Items
        With itm
            Print #f, CsvField(.Code) & "," & CsvField(.Description) & "," & CStr(.Category) & "," & _
                      CStr(.Quantity) & "," & Trim$(Str$(.UnitPrice)) & "," & Trim$(Str$(.StockValue)) & "," & _
                      CStr(.ReorderLevel) & "," & IIf(.NeedsReorder, "yes", "no") & "," & Format$(.LastReceived, "yyyy-mm-dd")
        End With
    Next itm
    Close #f
    ExportCsv = True
    Exit Function
ErrHandler:
    attempts = attempts + 1
    If Err.Number = 70 And attempts < 3 Then   ' permission denied: the file is open in a spreadsheet
        Close #f
        If MsgBox("Close """ & FileName & """ in the other program, then press Retry.", vbRetryCancel + vbExclamation, APP_TITLE) = vbRetry Then Resume Retry
    End If
    LogMessage "Export failed: " & Err.Description
    Close #f
End Function

Private Function CsvField(ByVal FieldText As String) As String
	If InStr(FieldText, ",") > 0 Or InStr(FieldText, """") > 0 Then
		CsvField = """" & Replace(FieldText, """", """""") & """"
	Else
		CsvField = FieldText
	End If
End Function

Public Function FindItem(ByVal ItemCode As String) As CItem
    Dim i As Long
    For i = 1 To Items.Count
        If StrComp(Items(i).Code, ItemCode, vbTextCompare) = 0 Then
            Set FindItem = Items(i)
            Exit Function
        End If
    Next
End Function

Public Sub SortItems(ByVal SortBy As SortOrder)
    Dim arr() As CItem, tmp As CItem
    Dim i, n As Long    ' i stays a Variant; it only counts
    Dim j As Long
    n = Items.Count
    If n < 2 Then Exit Sub
    ReDim arr(1 To n)
    For i = 1 To n: Set arr(i) = Items(i): Next i
    For i = 1 To n - 1
        For j = i + 1 To n
            If CompareItems(arr(i), arr(j), SortBy) > 0 Then
                Set tmp = arr(i): Set arr(i) = arr(j): Set arr(j) = tmp
            End If
    Next j, i
    Set Items = New Collection
    For i = 1 To n
        Items.Add arr(i), arr(i).Code
    Next i
End Sub

Private Function CompareItems(ByRef a As CItem, ByRef b As CItem, ByVal SortBy As SortOrder) As Integer
    Select Case SortBy
        Case soByDescription
            CompareItems = StrComp(a.Description, b.Description, vbTextCompare)
        Case soByQuantity
            If a.Quantity < b.Quantity Then CompareItems = -1 Else If a.Quantity > b.Quantity Then CompareItems = 1
        Case Else
            CompareItems = StrComp(a.Code, b.Code, vbTextCompare)
    End Select
End Function

'---------------------------------------------------------------------
' StockReport
' One line for the bottom of the main window.  With no arguments every
' item counts; otherwise only the categories given.
'---------------------------------------------------------------------
Public Function StockReport(ParamArray Categories() As Variant) As String
    Dim t As StockTotals
    Dim itm As CItem, c As Variant, wanted As Boolean
    For Each itm In Items
        wanted = (UBound(Categories) < 0)
        For Each c In Categories
            If c = itm.Category Then wanted = True
        Next c
        If wanted Then
            With t
                .ItemCount = .ItemCount + 1
                .Units = .Units + itm.Quantity
                .Value = .Value + itm.StockValue
                If itm.NeedsReorder Then .LowCount = .LowCount + 1
            End With
        End If
    Next itm
    If t.ItemCount = 0 Then
        StockReport = "No items"
    ElseIf t.LowCount = 0 Then
        StockReport = t.ItemCount & " items, " & t.Units & " units, worth " & FormatMoney(t.Value)
    Else
        StockReport = t.ItemCount & " items, " & t.Units & " units, worth " & FormatMoney(t.Value) & _
                      " (" & t.LowCount & " to reorder)"
    End If
End Function

Public Function FormatMoney(ByVal Amount As Currency) As String
    FormatMoney = Format$(Amount, "#,##0.00")
End Function

Public Function CountFields(ByVal RecordText As String) As Integer
    Dim p As Long
    CountFields = 1
    p = InStr(RecordText, FIELD_SEP)
    While p > 0
        CountFields = CountFields + 1
        p = InStr(p + 1, RecordText, FIELD_SEP)
    Wend
End Function

Rem Editors like to leave separators at the end of a line; drop them.
Private Function TrimSeparators(ByVal RecordText As String) As String
    RecordText = Trim$(RecordText)
    Do Until Right$(RecordText, 1) <> FIELD_SEP
        RecordText = Left$(RecordText, Len(RecordText) - 1)
    Loop
    TrimSeparators = RecordText
End Function

' Dates are stored as yyyy-mm-dd.  Anything else becomes NO_DATE, so
' that files from version 1 (which had no date) still load.
Public Function ParseFileDate(ByVal DateText As String) As Date
    Dim parts() As String
    parts = Split(DateText, "-")
    If UBound(parts) = 2 Then
        If IsNumeric(parts(0)) And IsNumeric(parts(1)) And IsNumeric(parts(2)) Then
            ParseFileDate = DateSerial(CInt(parts(0)), CInt(parts(1)), CInt(parts(2)))
            Exit Function
        End If
    End If
    ParseFileDate = NO_DATE
End Function

Static Function NextSerial() As Long
    Dim lastSerial As Long
    lastSerial = lastSerial + 1
    NextSerial = lastSerial
End Function

Public Function UniqueCode(ByVal Prefix As String) As String
    Dim candidate As String
    Do
        candidate = Prefix & Format$(NextSerial(), "0000")
    Loop While Not FindItem(candidate) Is Nothing
    UniqueCode = candidate
End Function

Public Sub LogMessage(ByVal Message As String)
    Dim f As Integer
    mLastError = Message
    If LOG_FILE = "" Then Exit Sub
    On Error Resume Next
    f = FreeFile
    Open App.Path & "\" & LOG_FILE For Append As #f
    Print #f, Format$(Now, "yyyy-mm-dd hh:nn:ss") & "  " & Message
    Close #f
End Sub
