; ### Korvex ServerCode ###
; ### Korvex RequestSelect ###
