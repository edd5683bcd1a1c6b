Select Koll, Count(*) As C From Moein Group By Koll Having Count(*) > 1 Union All Select '0', 0
