// cCommon: the object the converted program keeps its shared values in.
// The emitted code adds members to it before it runs its statements:
//   cCommon.KVX_DataArray = [...]       the values of every Data statement
//   cCommon.KVX_Global_Label = i        the read position of Read/Restore
var cCommon = {};
