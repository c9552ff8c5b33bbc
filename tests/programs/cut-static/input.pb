Procedure Count()
  Static calls
  calls + 1
  Static
