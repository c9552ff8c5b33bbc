Select key
  Case 1
    Handle()
  Case
