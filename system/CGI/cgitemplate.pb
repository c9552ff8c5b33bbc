; Korvex CGI program: answers the AJAX calls of a converted web application.
; The page calls, for a procedure "ProcedureDLL.s Hello(name.s)",
;   <CgiAddress>?request=Hello&name=Ann
; and shows the text of the answer as the procedure's result.
; The converter fills in the two marker lines: the application's ProcedureDLL
; procedures, and a Select over Request with one Case per procedure, e.g.
;   Case "hello"
;     HTTP_Content(@HTTP, Hello( GetValue("name")))
; Plain CGI, one request per start; needs PureBasic 5.10 or later (the CGI
; library). Provides Request, GetValue(), HTTP_Content() and HTTP
; (ORDER CGI-MARKERS: the converter replaces the two marker lines below).

Structure KVX_Http
  Query.s      ; the request's query string, still URL-encoded
  Answered.i   ; #True once the header has been sent
EndStructure

Global HTTP.KVX_Http
Global Request.s   ; the requested procedure, lower case

; Value of one hexadecimal digit, -1 for any other character.
Procedure.i KVX_HexDigit(c.i)
  If c >= '0' And c <= '9'
    ProcedureReturn c - '0'
  ElseIf c >= 'a' And c <= 'f'
    ProcedureReturn c - 'a' + 10
  ElseIf c >= 'A' And c <= 'F'
    ProcedureReturn c - 'A' + 10
  EndIf
  ProcedureReturn -1
EndProcedure

; "Ann+Lee%21" -> "Ann Lee!": "+" is a blank, "%XX" a byte, and the bytes
; are UTF-8 (as the browser sends them). A "%" without two hexadecimal digits
; after it ("100%", "%G1") is kept as it is. Every byte is written inside the
; buffer: the decoded text is never longer than the encoded one.
Procedure.s KVX_UrlDecode(Text.s)
  Protected Length.i = Len(Text)
  Protected *Bytes = AllocateMemory(Length + 1)
  Protected Position.i = 1
  Protected Count.i = 0
  Protected c.i, High.i, Low.i
  Protected Result.s = ""
  If *Bytes = 0
    ProcedureReturn ""
  EndIf
  While Position <= Length
    c = Asc(Mid(Text, Position, 1))
    If c = '+'
      c = ' '
    ElseIf c = '%' And Position + 2 <= Length
      High = KVX_HexDigit(Asc(Mid(Text, Position + 1, 1)))
      Low = KVX_HexDigit(Asc(Mid(Text, Position + 2, 1)))
      If High >= 0 And Low >= 0
        c = High * 16 + Low
        Position = Position + 2
      EndIf
    EndIf
    PokeB(*Bytes + Count, c)
    Count = Count + 1
    Position = Position + 1
  Wend
  PokeB(*Bytes + Count, 0)
  Result = PeekS(*Bytes, -1, #PB_UTF8)
  FreeMemory(*Bytes)
  ProcedureReturn Result
EndProcedure

; The query value of that name, decoded; "" when the request has none.
; Names are compared as written ("name" is not "Name").
Procedure.s GetValue(Name.s)
  Protected Fields.i = CountString(HTTP\Query, "&") + 1
  Protected Index.i, Equals.i
  Protected Pair.s
  For Index = 1 To Fields
    Pair = StringField(HTTP\Query, Index, "&")
    Equals = FindString(Pair, "=", 1)
    If Equals > 0
      If KVX_UrlDecode(Left(Pair, Equals - 1)) = Name
        ProcedureReturn KVX_UrlDecode(Mid(Pair, Equals + 1, Len(Pair) - Equals))
      EndIf
    ElseIf KVX_UrlDecode(Pair) = Name
      ProcedureReturn ""
    EndIf
  Next
  ProcedureReturn ""
EndProcedure

; Sends the text as the answer: the header once, then the text as UTF-8.
Procedure HTTP_Content(*HTTP.KVX_Http, Text.s)
  If *HTTP\Answered = #False
    WriteCGIHeader(#PB_CGI_HeaderContentType, "text/plain", #PB_CGI_LastHeader)
    *HTTP\Answered = #True
  EndIf
  WriteCGIString(Text, #PB_UTF8)
EndProcedure

; The application's server procedures, defined before the dispatcher calls them.
; ### Korvex ServerCode ###

If InitCGI() = 0 Or ReadCGI() = 0
  End
EndIf
HTTP\Query = CGIVariable(#PB_CGI_QueryString)
Request = LCase(GetValue("request"))

; The dispatcher: calls the requested procedure and sends its result.
; ### Korvex RequestSelect ###

; A request that nothing answered still gets a complete, empty answer.
If HTTP\Answered = #False
  HTTP_Content(@HTTP, "")
EndIf
End
