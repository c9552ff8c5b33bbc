// cCommon: the object the converted program keeps its shared values in,
// loaded first of the runtime files.
// The emitted code adds members to it before it runs its statements:
//   cCommon.KVX_DataArray = [...]       the values of every Data statement
//   cCommon.KVX_Global_Label = i        the read position of Read/Restore
// (cData.Read and cData.Restore work on these two members.)
var cCommon = {};
