object Form10: TForm10
  Caption = 'Developer'
  ClientWidth = 320
  ClientHeight = 200
  BorderStyle = bsDialog
  Position = poScreenCenter
end
