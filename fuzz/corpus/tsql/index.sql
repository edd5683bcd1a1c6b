Create Unique Index IX_T On Koll (NamHesab) With Ignore_dup_key
Select * From SysIndexes Where Name = 'IX_T'
