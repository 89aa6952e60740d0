object Form6: TForm6
  Caption = 'Program Options'
  ClientWidth = 520
  ClientHeight = 420
  BorderStyle = bsDialog
  Position = poScreenCenter
end
