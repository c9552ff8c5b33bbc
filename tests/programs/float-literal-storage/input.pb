; an integer stored into a .f keeps what single precision holds of it
Define.f big
big = 16777217
big = 3
