#F1
main WINDOW 10 20 100 60
ok(1) BUTTON 20 30 60 50
#L1
h_connect 0 1
#P1
x
