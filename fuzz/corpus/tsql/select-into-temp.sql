If Exists(Select * From Tempdb..SysObjects Where Name = '##T1') Drop Table ##T1
Select Identity(Int,1,1) As Radif, Koll + Moein As Kod Into ##T1 From Moein
Select * From ##T1
