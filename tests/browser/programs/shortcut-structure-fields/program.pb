; Shortcut statements on structure fields of every kind
Structure Account
  owner.s
  balance.i
  level.b
  flags.a
  rate.f
  total.d
EndStructure

OpenConsole()
Define acc.Account
acc\owner = "Ann"
acc\owner + " Lee"
acc\balance = 500
acc\balance + 250
acc\balance - 100
acc\balance * 2
acc\balance / 3
PrintN(acc\owner + ": " + Str(acc\balance))
acc\balance % 100
acc\balance << 2
acc\balance >> 1
acc\balance | 1
acc\balance & 62
acc\balance ! 7
PrintN("balance bits: " + Str(acc\balance))
acc\level = 120
acc\level + 10
acc\flags = 200
acc\flags + 100
acc\flags ! $FF
PrintN("level " + Str(acc\level) + ", flags " + Str(acc\flags))
acc\rate = 0.5
acc\rate * 3
acc\rate - 0.25
acc\total = 10
acc\total / 4
acc\total + acc\rate
PrintN("rate " + StrF(acc\rate, 2) + ", total " + StrD(acc\total, 2))

Structure Pair
  a.Account
  b.Account
EndStructure
Define pair.Pair
pair\a\balance = 7
pair\b\balance = pair\a\balance
pair\b\balance * 6
pair\a\owner + "first"
PrintN(pair\a\owner + " " + Str(pair\a\balance) + " " + Str(pair\b\balance))
