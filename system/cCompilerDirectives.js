// cCompilerDirectives: the compiler switches that have no effect in the
// browser. Emitted use: "EnableExplicit" and "DisableExplicit" become the
// bare member reads cCompilerDirectives.EnableExplicit and
// cCompilerDirectives.DisableExplicit, statements that do nothing.
var cCompilerDirectives = {
  EnableExplicit: 1,
  DisableExplicit: 0
};
