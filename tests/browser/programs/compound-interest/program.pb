; Compound interest in double precision
OpenConsole()
capital.d = 1000
rate.d = 4
For year = 1 To 5
  capital * (1 + rate / 100)
  PrintN("Year " + Str(year) + ": " + StrD(capital, 2))
Next
rounded = capital
PrintN("Rounded to whole units: " + Str(rounded))
interest.d = capital - 1000
PrintN("Interest earned: " + StrD(interest, 2))

; how many years until the money has doubled
years = 0
money.d = 1000
While money < 2000
  money * 1.04
  years + 1
Wend
PrintN("Doubled after " + Str(years) + " years: " + StrD(money, 2))

; monthly compounding of 6% a year
monthly.d = 1000
For month = 1 To 12
  monthly + monthly * 6 / 100 / 12
Next
PrintN("Monthly: " + StrD(monthly, 4))

; a loan paid back in equal parts
loan.d = 10000
months = 24
monthRate.d = 0.05 / 12
payment.d = loan * monthRate / (1 - Pow(1 + monthRate, -months))
PrintN("Payment: " + StrD(payment, 2) + ", total " + StrD(payment * months, 2))
cents = payment * 100
PrintN("In cents: " + Str(cents))
