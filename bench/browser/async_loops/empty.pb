; Nothing: the cost of opening the page, taken off the others.
Debug 0
