Enumeration
  #A
  #B
