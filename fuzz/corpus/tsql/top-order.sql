Select Top 5 DaraCod, DaraNam From D_Amval Where DaraCod Like N'1%' Order By DaraNam Desc
