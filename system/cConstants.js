// cConstants: PureBasic's library constants, with PureBasic's values.
// Emitted use: a listed constant "#PB_Any" becomes the member read
// "cConstants.PB_Any". Every member here is a row of framework.db's
// Constants table (the build lists them from this object), so a constant is
// translated only when it exists.
var cConstants = {
  // Object numbers and parameters
  PB_Any: -1,
  PB_Default: -1,
  PB_Ignore: -2147483648,

  // Types (TypeOf, Hex, Bin, StrU)
  PB_Byte: 1,
  PB_Word: 3,
  PB_Long: 5,
  PB_Structure: 7,
  PB_String: 8,
  PB_Float: 9,
  PB_FixedString: 10,
  PB_Character: 11,
  PB_Double: 12,
  PB_Quad: 13,
  PB_List: 14,
  PB_Array: 15,
  PB_Integer: 21,
  PB_Map: 22,
  PB_Ascii: 24,
  PB_Unicode: 25,

  // Round
  PB_Round_Down: 0,
  PB_Round_Up: 1,
  PB_Round_Nearest: 2,

  // String search and replace modes
  PB_String_CaseSensitive: 0,
  PB_String_NoCase: 1,
  PB_String_InPlace: 2,

  // SortArray, SortList
  PB_Sort_Ascending: 0,
  PB_Sort_Descending: 1,
  PB_Sort_NoCase: 2,

  // AddDate
  PB_Date_Year: 0,
  PB_Date_Month: 1,
  PB_Date_Week: 2,
  PB_Date_Day: 3,
  PB_Date_Hour: 4,
  PB_Date_Minute: 5,
  PB_Date_Second: 6,

  // MessageRequester flags and results
  PB_MessageRequester_Ok: 0,
  PB_MessageRequester_YesNoCancel: 3,
  PB_MessageRequester_YesNo: 4,
  PB_MessageRequester_Error: 16,
  PB_MessageRequester_Warning: 48,
  PB_MessageRequester_Info: 64,
  PB_MessageRequester_Cancel: 2,
  PB_MessageRequester_Yes: 6,
  PB_MessageRequester_No: 7,

  // InputRequester
  PB_InputRequester_Password: 1
};
