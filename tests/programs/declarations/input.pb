; declarations
Global total, name$ = "x"
Protected i, j = 2
Define.i count
Define ratio.d = 1.5
Define label$ ; shown later
Define p.Point
Global Dim a(5)
