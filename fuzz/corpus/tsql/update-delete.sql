Update Koll Set NamHesab = N'x''y' Where Koll = '999'
Delete From Koll Where Koll = '999'
