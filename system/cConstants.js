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

  // MoveElement, MergeLists; AddMapElement
  PB_List_First: 1,
  PB_List_Last: 2,
  PB_List_Before: 3,
  PB_List_After: 4,
  PB_Map_NoElementCheck: 0,
  PB_Map_ElementCheck: 1,

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
  PB_InputRequester_Password: 1,

  // ---- Memory, files, preferences, JSON, regular expressions, cipher ----
  // (the text formats below extend #PB_Ascii and #PB_Unicode above, and
  // their flags sit above the formats' byte, so that they can be OR-ed)

  // Freeing every object (FreeRegularExpression, CloseFile, FreeJSON, ...)
  PB_All: -1,

  // Text formats (PeekS, PokeS, ReadString, WriteString, StringFingerprint)
  PB_UTF8: 26,
  PB_UTF16BE: 27,
  PB_UTF32: 28,
  PB_UTF32BE: 29,
  PB_ByteLength: 0x100,

  // Memory
  PB_Memory_NoClear: 1,
  PB_String_NoZero: 0x200,
  PB_String_NoCaseAscii: 4,
  PB_String_Lower: -1,
  PB_String_Equal: 0,
  PB_String_Greater: 1,

  // File
  PB_File_IgnoreEOL: 0x400,
  PB_File_SharedRead: 0x1000,
  PB_File_SharedWrite: 0x2000,
  PB_File_NoBuffering: 0x4000,
  PB_File_Append: 0x8000,
  PB_File_BOM: 0x10000,
  PB_Absolute: 0,
  PB_Relative: 1,

  // FileSystem
  PS: 47,
  PS$: '/',
  NPS: 92,
  NPS$: '\\',
  PB_DirectoryEntry_File: 1,
  PB_DirectoryEntry_Directory: 2,
  PB_FileSystem_Recursive: 1,
  PB_FileSystem_Force: 2,
  PB_FileSystem_NoExtension: 4,
  PB_FileSystem_ReadOnly: 1,
  PB_FileSystem_Hidden: 2,
  PB_FileSystem_System: 4,
  PB_FileSystem_Archive: 32,
  PB_FileSystem_Normal: 128,
  PB_Date_Created: 0,
  PB_Date_Accessed: 1,
  PB_Date_Modified: 2,
  PB_Directory_Desktop: 0,
  PB_Directory_Documents: 1,
  PB_Directory_Downloads: 2,
  PB_Directory_Musics: 3,
  PB_Directory_Pictures: 4,
  PB_Directory_Videos: 5,
  PB_Directory_Public: 6,
  PB_Directory_AllUserData: 7,
  PB_Directory_UserData: 8,
  PB_Directory_Programs: 9,

  // Preference
  PB_Preference_NoSpace: 1,
  PB_Preference_GroupSeparator: 2,
  PB_Preference_NoBOM: 4,

  // Json
  PB_JSON_Null: 0,
  PB_JSON_String: 1,
  PB_JSON_Number: 2,
  PB_JSON_Boolean: 3,
  PB_JSON_Array: 4,
  PB_JSON_Object: 5,
  PB_JSON_NoCase: 1,
  PB_JSON_PrettyPrint: 2,
  PB_JSON_NoClear: 4,

  // RegularExpression
  PB_RegularExpression_DotAll: 1,
  PB_RegularExpression_Extended: 2,
  PB_RegularExpression_MultiLine: 4,
  PB_RegularExpression_AnyNewLine: 8,
  PB_RegularExpression_NoCase: 16,

  // Cipher
  PB_Cipher_CRC32: 1,
  PB_Cipher_MD5: 2,
  PB_Cipher_SHA1: 4,
  PB_Cipher_SHA2: 8,
  PB_Cipher_SHA3: 16,
  PB_Cipher_HMAC: 0x10000,
  PB_Cipher_NoPadding: 1,
  PB_Cipher_URL: 2
};
