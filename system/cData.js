// cData: reading the values of the program's data sections.
// Emitted calls: "Read.s title" becomes title = cData.Read(); "Restore
// Colors" becomes cData.Restore(KVX_Label_Colors), the label variable
// holding the index of the label's first value. The values are in
// cCommon.KVX_DataArray and the read position in cCommon.KVX_Global_Label,
// both set by the emitted code before the program's statements.
var cData = (function () {
  // The next value; past the last one (or without any Data) it gives 0.
  function Read() {
    var values = cCommon.KVX_DataArray || [];
    var at = Number(cCommon.KVX_Global_Label) || 0;
    cCommon.KVX_Global_Label = at + 1;
    return at < values.length ? values[at] : 0;
  }

  // Restore() without a label goes back to the first value.
  function Restore(position) {
    cCommon.KVX_Global_Label = Number(position) || 0;
  }

  // Read gives whatever the data section holds: its type is the target's.
  return { Read: Read, Restore: Restore, returns: { Read: 'i', Restore: '' } };
})();
